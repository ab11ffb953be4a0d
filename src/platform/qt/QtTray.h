#pragma once

#include "platform/TrayIcon.h"

#include <QIcon>

#include <memory>

class QSystemTrayIcon;

class QtTray : public TrayIcon
{
public:
    explicit QtTray(QIcon icon);
    ~QtTray() override;

    bool notify(Message message, const QByteArray& record) override;
    bool isAvailable() const override;

private:
    QIcon m_icon;
    std::unique_ptr<QSystemTrayIcon> m_tray;
};
