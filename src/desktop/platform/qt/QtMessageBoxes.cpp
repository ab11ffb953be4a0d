#include "desktop/platform/qt/QtMessageBoxes.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon iconOf(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Warning:
        return QMessageBox::Warning;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QtMessageBoxes::~QtMessageBoxes()
{
    // Boxes still open when the program ends are closed without an answer.
    for (const QPointer<QMessageBox>& box : std::as_const(m_boxes)) {
        if (box) {
            box->disconnect();
            delete box.data();
        }
    }
}

void QtMessageBoxes::present(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon,
                             AnswerHandler done)
{
    m_boxes.removeAll(nullptr);
    auto* box = new QMessageBox;
    m_boxes.append(box);
    box->setWindowTitle(title);
    // Text from the server is shown as it is, never as markup.
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    box->setIcon(iconOf(icon));
    if (buttons == MsgButtons::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    QObject::connect(box, &QDialog::finished, box, [box, buttons, done = std::move(done)](int result) {
        box->deleteLater();
        if (result == QMessageBox::Yes)
            done(MsgAnswer::Yes);
        else if (result == QMessageBox::No || buttons == MsgButtons::YesNo)
            done(MsgAnswer::No);
        else
            done(MsgAnswer::Ok);
    });
    box->open();
}
