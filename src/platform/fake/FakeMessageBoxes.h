#pragma once

#include "platform/MessageBoxes.h"

#include <deque>
#include <functional>
#include <vector>

// Message boxes that answer from a queue and remember what was shown.
class FakeMessageBoxes : public MessageBoxes
{
public:
    struct Box
    {
        QString text;
        QString title;
        MsgButtons buttons;
        MsgIcon icon;
    };

    // Answers given in order; when the queue is empty, OK boxes answer Ok and questions No.
    void queueAnswer(MsgAnswer answer) { m_answers.push_back(answer); }
    // Runs while a box is open, as the event loop would (timers, sockets).
    std::function<void(const Box&)> whileOpen;

    const std::vector<Box>& shown() const { return m_shown; }
    void clearShown() { m_shown.clear(); }

protected:
    MsgAnswer present(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) override;

private:
    std::deque<MsgAnswer> m_answers;
    std::vector<Box> m_shown;
};
