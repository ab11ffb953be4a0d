#include "platform/fake/FakeMessageBoxes.h"

MsgAnswer FakeMessageBoxes::present(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon)
{
    const Box box{text, title, buttons, icon};
    m_shown.push_back(box);
    if (whileOpen)
        whileOpen(box);
    if (!m_answers.empty()) {
        const MsgAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
}
