#pragma once

#include <QSet>
#include <QString>

#include <functional>

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
    No
};

// Message boxes that never hold up the program: a box is modal to the user but not to the event
// loop, so timers, sockets and the caller's own handler go on while it is open.
class MessageBoxes
{
public:
    using AnswerHandler = std::function<void(MsgAnswer)>;

    virtual ~MessageBoxes() = default;

    // Opens a box and returns at once; `onAnswer` runs once the user has closed it. A box
    // identical to one still open is not stacked on it: nothing opens and `onAnswer` never runs.
    void show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon, AnswerHandler onAnswer = {});

protected:
    // Opens the box; calls `done` with the answer when it closes, never from inside this call.
    virtual void present(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon,
                         AnswerHandler done) = 0;

private:
    QSet<QString> m_open;
};
