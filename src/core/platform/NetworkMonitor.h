#pragma once

#include <functional>

// Tells when the machine's network changes: an interface comes up or goes down, the default route
// moves, the machine wakes from sleep.
class NetworkMonitor
{
public:
    virtual ~NetworkMonitor() = default;
    // False where the system offers no way to learn of changes; then onChange never runs.
    virtual bool isAvailable() const = 0;

    std::function<void()> onChange;
};
