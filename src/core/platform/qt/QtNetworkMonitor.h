#pragma once

#include "core/platform/NetworkMonitor.h"

#include <QObject>

// Changes as the system's network information backend reports them, where one exists.
class QtNetworkMonitor : public NetworkMonitor
{
public:
    QtNetworkMonitor();

    bool isAvailable() const override { return m_available; }

private:
    QObject m_context;
    bool m_available = false;
};
