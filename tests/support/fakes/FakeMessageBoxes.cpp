#include "support/fakes/FakeMessageBoxes.h"

void FakeMessageBoxes::present(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon,
                               AnswerHandler done)
{
    m_shown.push_back(Box{text, title, buttons, icon});
    m_open.emplace_back(buttons, std::move(done));
}

bool FakeMessageBoxes::answer(std::optional<MsgAnswer> answer)
{
    if (m_open.empty())
        return false;
    auto [buttons, done] = std::move(m_open.front());
    m_open.pop_front();
    done(answer.value_or(buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok));
    return true;
}
