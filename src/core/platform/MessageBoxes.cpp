#include "core/platform/MessageBoxes.h"

void MessageBoxes::show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon,
                        AnswerHandler onAnswer)
{
    const QString key = title + QChar(0) + text;
    if (m_open.contains(key))
        return;
    m_open.insert(key);
    present(text, title, buttons, icon, [this, key, onAnswer = std::move(onAnswer)](MsgAnswer answer) {
        m_open.remove(key);
        if (onAnswer)
            onAnswer(answer);
    });
}
