#pragma once

#include "core/platform/MessageBoxes.h"

#include <QList>
#include <QPointer>

class QMessageBox;

// Boxes opened with QMessageBox::open(): no nested event loop runs while one is shown.
class QtMessageBoxes : public MessageBoxes
{
public:
    ~QtMessageBoxes() override;

protected:
    void present(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon,
                 AnswerHandler done) override;

private:
    QList<QPointer<QMessageBox>> m_boxes;
};
