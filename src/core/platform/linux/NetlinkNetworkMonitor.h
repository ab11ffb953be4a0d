#pragma once

#include "core/platform/NetworkMonitor.h"

#include <QByteArray>

#include <memory>

class QSocketNotifier;

// Changes as the kernel's routing socket reports them: a default route added or removed, an IPv4
// address gained or lost. It costs one socket, where the desktop's network-information backend
// would load GLib's whole I/O stack into a program that is left running for months.
class NetlinkNetworkMonitor : public NetworkMonitor
{
public:
    NetlinkNetworkMonitor();
    ~NetlinkNetworkMonitor() override;

    bool isAvailable() const override { return m_socket >= 0; }

    // Whether a datagram from the routing socket tells of a change worth a new address check.
    // Address lifetimes that IPv6 refreshes every few minutes and wireless link chatter do not.
    static bool isNetworkChange(const QByteArray& datagram);

private:
    void readChanges();

    int m_socket = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
