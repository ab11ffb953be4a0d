#pragma once

#include "platform/MessageBoxes.h"

class QtMessageBoxes : public MessageBoxes
{
protected:
    MsgAnswer present(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) override;
};
