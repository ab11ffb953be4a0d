#pragma once

#include "platform/TrayIcon.h"

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

    // The tip of the last record, up to its NUL.
    QString lastTip() const;

    std::vector<Call> calls;
    bool available = true;
};
