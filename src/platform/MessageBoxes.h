#pragma once

#include <QSet>
#include <QString>

enum class MsgButtons
{
    Ok,
    YesNo
};
enum class MsgIcon
{
    None,
    Information,
    Warning
};
enum class MsgAnswer
{
    Ok,
    Yes,
    No,
    NotShown
};

// Modal message boxes. While a box is open the event loop goes on (timers, sockets).
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;

    // Shows a box and returns the answer. A box identical to one still open is not stacked on it:
    // the call returns NotShown at once.
    MsgAnswer show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon);

protected:
    // Presents the box and waits for the answer.
    virtual MsgAnswer present(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) = 0;

private:
    QSet<QString> m_open;
};
