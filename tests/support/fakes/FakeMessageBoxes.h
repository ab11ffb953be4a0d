#pragma once

#include "core/platform/MessageBoxes.h"

#include <deque>
#include <optional>
#include <vector>

// Message boxes that stay open until the test answers them, and remember what was shown.
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

    // Closes the oldest open box with `answer` (by default OK, or No for a question). False when
    // no box is open.
    bool answer(std::optional<MsgAnswer> answer = std::nullopt);

    const std::vector<Box>& shown() const { return m_shown; }
    void clearShown() { m_shown.clear(); }

protected:
    void present(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon,
                 AnswerHandler done) override;

private:
    std::deque<std::pair<MsgButtons, AnswerHandler>> m_open;
    std::vector<Box> m_shown;
};
