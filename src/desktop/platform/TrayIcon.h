#pragma once

#include <QPoint>
#include <QString>

#include <functional>

// The notification-area icon.
class TrayIcon
{
public:
    // How the user activated the icon, as QSystemTrayIcon tells it.
    enum class Activation
    {
        Trigger,
        DoubleClick,
        Context
    };

    // What the icon's picture tells.
    enum class Picture
    {
        Normal,
        Updating,
        Failed
    };

    virtual ~TrayIcon() = default;

    virtual void show() = 0;
    virtual void hide() = 0;
    // Kept while the icon is hidden, and shown with it.
    virtual void setToolTip(const QString& tip) = 0;
    // Whether the desktop has a notification area at all.
    virtual bool isAvailable() const = 0;
    virtual void showPicture(Picture picture) = 0;
    // A notice beside the icon, which the desktop removes by itself after a while.
    virtual void showMessage(const QString& title, const QString& text) = 0;

    // With the pointer's screen position.
    std::function<void(Activation activation, QPoint globalPos)> onActivated;
};
