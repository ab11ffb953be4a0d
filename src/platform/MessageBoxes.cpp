#include "platform/MessageBoxes.h"

namespace {
QString boxKey(const QString& text, const QString& title)
{
    return title + QChar(0) + text;
}
} // namespace

MsgAnswer MessageBoxes::show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon)
{
    const QString key = boxKey(text, title);
    if (m_open.contains(key))
        return MsgAnswer::NotShown;
    m_open.insert(key);
    const MsgAnswer answer = present(text, title, buttons, icon);
    m_open.remove(key);
    return answer;
}
