#pragma once

#include "core/platform/NetworkMonitor.h"

// A network that changes when a test says so.
class FakeNetworkMonitor : public NetworkMonitor
{
public:
    bool isAvailable() const override { return available; }
    void change()
    {
        if (onChange)
            onChange();
    }

    bool available = true;
};
