#include "support/fakes/FakeMessageBoxes.h"

void FakeMessageBoxes::present(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon,
                               AnswerHandler done)
{
    m_shown.push_back(Box{text, title, buttons, icon});
    m_open.push_back(OpenBox{buttons, std::move(done)});
}

bool FakeMessageBoxes::answer(std::optional<MsgAnswer> answer)
{
    if (m_open.empty())
        return false;
    OpenBox box = std::move(m_open.front());
    m_open.pop_front();
    box.done(answer.value_or(box.buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok));
    return true;
}
