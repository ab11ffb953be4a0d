#pragma once

#include <QByteArray>
#include <QPoint>
#include <QString>

#include <functional>

// The notification-area icon. Operations take the program's 88-byte icon record.
class TrayIcon
{
public:
    enum Message
    {
        Add = 0,
        Modify = 1,
        Delete = 2
    };
    enum Event
    {
        LeftDoubleClick = 0x203,
        RightButtonUp = 0x205
    };

    virtual ~TrayIcon() = default;

    // Adds, modifies or deletes the icon described by the record; the tip is read up to its NUL.
    virtual bool notify(Message message, const QByteArray& record) = 0;
    // Whether the desktop has a notification area at all.
    virtual bool isAvailable() const = 0;

    // What the icon's picture tells.
    enum class Picture
    {
        Normal,
        Updating,
        Failed
    };
    virtual void showPicture(Picture picture) = 0;
    // A notice beside the icon, which the desktop removes by itself after a while.
    virtual void showMessage(const QString& title, const QString& text) = 0;

    // A mouse event on the icon: its mouse-message number and the pointer's screen position.
    std::function<void(int event, QPoint globalPos)> onEvent;
};
