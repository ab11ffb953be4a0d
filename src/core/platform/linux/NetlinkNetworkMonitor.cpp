#include "core/platform/linux/NetlinkNetworkMonitor.h"

#include <QSocketNotifier>

#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

NetlinkNetworkMonitor::NetlinkNetworkMonitor()
{
    m_socket = ::socket(AF_NETLINK, SOCK_RAW | SOCK_NONBLOCK | SOCK_CLOEXEC, NETLINK_ROUTE);
    if (m_socket < 0)
        return;
    sockaddr_nl address{};
    address.nl_family = AF_NETLINK;
    address.nl_groups = RTMGRP_IPV4_ROUTE | RTMGRP_IPV6_ROUTE | RTMGRP_IPV4_IFADDR;
    if (::bind(m_socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(m_socket);
        m_socket = -1;
        return;
    }
    m_notifier = std::make_unique<QSocketNotifier>(m_socket, QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(), [this] { readChanges(); });
}

NetlinkNetworkMonitor::~NetlinkNetworkMonitor()
{
    m_notifier.reset();
    if (m_socket >= 0)
        ::close(m_socket);
}

void NetlinkNetworkMonitor::readChanges()
{
    // Everything waiting is read, so that a burst of messages is one change and the socket goes quiet.
    bool changed = false;
    QByteArray datagram(8192, Qt::Uninitialized);
    for (;;) {
        const ssize_t length = ::recv(m_socket, datagram.data(), size_t(datagram.size()), 0);
        if (length < 0 && errno == EINTR)
            continue;
        // The kernel dropped messages it could not queue: something changed.
        if (length < 0 && errno == ENOBUFS) {
            changed = true;
            continue;
        }
        if (length < 0)
            break;
        changed = changed || isNetworkChange(datagram.left(length));
    }
    if (changed && onChange)
        onChange();
}

bool NetlinkNetworkMonitor::isNetworkChange(const QByteArray& datagram)
{
    const char* data = datagram.constData();
    int left = int(datagram.size());
    for (auto* header = reinterpret_cast<const nlmsghdr*>(data); NLMSG_OK(header, left);
         header = NLMSG_NEXT(header, left)) {
        switch (header->nlmsg_type) {
        case RTM_NEWROUTE:
        case RTM_DELROUTE: {
            if (header->nlmsg_len < NLMSG_LENGTH(sizeof(rtmsg)))
                break;
            const auto* route = static_cast<const rtmsg*>(NLMSG_DATA(header));
            if (route->rtm_dst_len == 0 && route->rtm_table == RT_TABLE_MAIN)
                return true;
            break;
        }
        case RTM_NEWADDR:
        case RTM_DELADDR: {
            if (header->nlmsg_len < NLMSG_LENGTH(sizeof(ifaddrmsg)))
                break;
            const auto* address = static_cast<const ifaddrmsg*>(NLMSG_DATA(header));
            if (address->ifa_family == AF_INET && address->ifa_scope == RT_SCOPE_UNIVERSE)
                return true;
            break;
        }
        default:
            break;
        }
    }
    return false;
}
