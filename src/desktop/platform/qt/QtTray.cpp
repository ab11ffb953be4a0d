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

void QtTray::show()
{
    if (m_tray)
        return;
    m_tray = std::make_unique<QSystemTrayIcon>(m_shown);
    QObject::connect(m_tray.get(), &QSystemTrayIcon::activated, m_tray.get(),
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         if (!onActivated)
                             return;
                         if (reason == QSystemTrayIcon::Trigger)
                             onActivated(Activation::Trigger, QCursor::pos());
                         else if (reason == QSystemTrayIcon::DoubleClick)
                             onActivated(Activation::DoubleClick, QCursor::pos());
                         else if (reason == QSystemTrayIcon::Context)
                             onActivated(Activation::Context, QCursor::pos());
                     });
    m_tray->setToolTip(m_toolTip);
    m_tray->show();
}

void QtTray::hide()
{
    if (!m_tray)
        return;
    m_tray->hide();
    m_tray.reset();
}

void QtTray::setToolTip(const QString& tip)
{
    m_toolTip = tip;
    if (m_tray)
        m_tray->setToolTip(tip);
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
