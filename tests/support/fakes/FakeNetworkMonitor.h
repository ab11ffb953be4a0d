#pragma once

#include "core/platform/NetworkMonitor.h"

// A network that is always there and never changes.
class FakeNetworkMonitor : public NetworkMonitor
{
public:
    bool isAvailable() const override { return true; }
};
