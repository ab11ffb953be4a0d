#include "desktop/platform/qt/QtTray.h"

#include <QCursor>
#include <QPainter>
#include <QSystemTrayIcon>

namespace {

// The program's icon with a dot in its lower right corner.
QIcon withDot(const QIcon& icon, const QColor& colour)
{
    QPixmap picture = icon.pixmap(32, 32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(17, 17, 14, 14));
    return QIcon(picture);
}

} // namespace

QtTray::QtTray(QIcon icon) : m_icon(std::move(icon)), m_shown(m_icon) {}

QtTray::~QtTray() = default;

bool QtTray::notify(Message message, const QByteArray& record)
{
    const QByteArray tipField = record.mid(24, 64);
    const QString tip = QString::fromLatin1(tipField.left(tipField.indexOf('\0')));
    switch (message) {
    case Add:
        if (m_tray)
            return false;
        m_tray = std::make_unique<QSystemTrayIcon>(m_shown);
        QObject::connect(m_tray.get(), &QSystemTrayIcon::activated, m_tray.get(),
                         [this](QSystemTrayIcon::ActivationReason reason) {
                             if (!onEvent)
                                 return;
                             if (reason == QSystemTrayIcon::DoubleClick)
                                 onEvent(LeftDoubleClick, QCursor::pos());
                             else if (reason == QSystemTrayIcon::Context)
                                 onEvent(RightButtonUp, QCursor::pos());
                         });
        m_tray->setToolTip(tip);
        m_tray->show();
        return true;
    case Modify:
        if (!m_tray)
            return false;
        m_tray->setToolTip(tip);
        return true;
    case Delete:
        if (!m_tray)
            return false;
        m_tray->hide();
        m_tray.reset();
        return true;
    }
    return false;
}

bool QtTray::isAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTray::showPicture(Picture picture)
{
    switch (picture) {
    case Picture::Normal:
        m_shown = m_icon;
        break;
    case Picture::Updating:
        m_shown = withDot(m_icon, QColor(0x2f, 0x9f, 0x4f));
        break;
    case Picture::Failed:
        m_shown = withDot(m_icon, QColor(0xd0, 0x20, 0x20));
        break;
    }
    if (m_tray)
        m_tray->setIcon(m_shown);
}

void QtTray::showMessage(const QString& title, const QString& text)
{
    if (m_tray)
        m_tray->showMessage(title, text, m_shown);
}
