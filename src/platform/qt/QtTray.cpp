#include "platform/qt/QtTray.h"

#include <QCursor>
#include <QSystemTrayIcon>

QtTray::QtTray(QIcon icon) : m_icon(std::move(icon)) {}

QtTray::~QtTray() = default;

bool QtTray::notify(Message message, const QByteArray& record)
{
    const QByteArray tipField = record.mid(24, 64);
    const QString tip = QString::fromLatin1(tipField.left(tipField.indexOf('\0')));
    switch (message) {
    case Add:
        if (m_tray)
            return false;
        m_tray = std::make_unique<QSystemTrayIcon>(m_icon);
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
