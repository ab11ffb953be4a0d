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

    void show() override;
    void hide() override;
    void setToolTip(const QString& tip) override;
    bool isAvailable() const override;
    void showPicture(Picture picture) override;
    void showMessage(const QString& title, const QString& text) override;

private:
    QIcon m_icon;
    QIcon m_shown;
    QString m_toolTip;
    std::unique_ptr<QSystemTrayIcon> m_tray;
};
