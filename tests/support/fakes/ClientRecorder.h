#pragma once

#include <QStringList>

class UpdateClient;

// Writes down what a client signals for its front ends to show, one line each: "status TEXT" (failures
// and the update verdict are status texts too), "last update TIME", "address", "host list of N groups",
// "account refused", "fixed address", "no upgrade", "upgrade URL", "news PAGE TEXT".
class ClientRecorder
{
public:
    explicit ClientRecorder(UpdateClient& client);

    // The last status text shown; empty when none was.
    QString lastStatus() const;

    QStringList lines;
};
