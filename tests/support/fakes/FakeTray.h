#pragma once

#include "desktop/platform/TrayIcon.h"

#include <QString>

#include <vector>

// Records every call the program makes to the notification area.
class FakeTray : public TrayIcon
{
public:
    struct Call
    {
        Message message;
        QByteArray record;
    };

    bool notify(Message message, const QByteArray& record) override
    {
        calls.push_back({message, record});
        return true;
    }
    bool isAvailable() const override { return available; }
    void showPicture(Picture shown) override { picture = shown; }
    void showMessage(const QString& title, const QString& text) override { messages.push_back(title + ": " + text); }

    // The tip of the last record, up to its NUL.
    QString lastTip() const;

    std::vector<Call> calls;
    bool available = true;
    Picture picture = Picture::Normal;
    // Each notice as "title: text".
    std::vector<QString> messages;
};
