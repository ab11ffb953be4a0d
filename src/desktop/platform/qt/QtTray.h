#pragma once

#include "desktop/platform/TrayIcon.h"

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
    void showPicture(Picture picture) override;
    void showMessage(const QString& title, const QString& text) override;

private:
    QIcon m_icon;
    QIcon m_shown;
    std::unique_ptr<QSystemTrayIcon> m_tray;
};
