#include "core/platform/linux/NetlinkNetworkMonitor.h"

#include <gtest/gtest.h>

#include <linux/rtnetlink.h>
#include <sys/socket.h>

namespace {

template <typename Body> QByteArray message(quint16 type, const Body& body)
{
    QByteArray bytes(NLMSG_SPACE(sizeof(Body)), '\0');
    auto* header = reinterpret_cast<nlmsghdr*>(bytes.data());
    header->nlmsg_len = NLMSG_LENGTH(sizeof(Body));
    header->nlmsg_type = type;
    *static_cast<Body*>(NLMSG_DATA(header)) = body;
    return bytes;
}

QByteArray route(quint16 type, unsigned char family, unsigned char prefix, unsigned char table = RT_TABLE_MAIN)
{
    rtmsg body{};
    body.rtm_family = family;
    body.rtm_dst_len = prefix;
    body.rtm_table = table;
    return message(type, body);
}

QByteArray address(quint16 type, unsigned char family, unsigned char scope)
{
    ifaddrmsg body{};
    body.ifa_family = family;
    body.ifa_scope = scope;
    return message(type, body);
}

} // namespace

TEST(NetlinkNetworkMonitor, OnlyDefaultRoutesAndGlobalIPv4AddressesAreChanges)
{
    EXPECT_TRUE(NetlinkNetworkMonitor::isNetworkChange(route(RTM_NEWROUTE, AF_INET, 0)));
    EXPECT_TRUE(NetlinkNetworkMonitor::isNetworkChange(route(RTM_DELROUTE, AF_INET6, 0)));
    EXPECT_TRUE(NetlinkNetworkMonitor::isNetworkChange(address(RTM_DELADDR, AF_INET, RT_SCOPE_UNIVERSE)));
    // A batch counts when any of its messages does.
    EXPECT_TRUE(NetlinkNetworkMonitor::isNetworkChange(route(RTM_NEWROUTE, AF_INET, 24) +
                                                       address(RTM_NEWADDR, AF_INET, RT_SCOPE_UNIVERSE)));

    EXPECT_FALSE(NetlinkNetworkMonitor::isNetworkChange(route(RTM_NEWROUTE, AF_INET, 24)));
    EXPECT_FALSE(NetlinkNetworkMonitor::isNetworkChange(route(RTM_NEWROUTE, AF_INET, 0, RT_TABLE_LOCAL)));
    // IPv6 renews its addresses' lifetimes every few minutes.
    EXPECT_FALSE(NetlinkNetworkMonitor::isNetworkChange(address(RTM_NEWADDR, AF_INET6, RT_SCOPE_UNIVERSE)));
    EXPECT_FALSE(NetlinkNetworkMonitor::isNetworkChange(address(RTM_NEWADDR, AF_INET, RT_SCOPE_HOST)));
    EXPECT_FALSE(NetlinkNetworkMonitor::isNetworkChange(message(RTM_NEWLINK, ifinfomsg{})));
    // A message shorter than its header says is not read past its end.
    EXPECT_FALSE(NetlinkNetworkMonitor::isNetworkChange(route(RTM_NEWROUTE, AF_INET, 0).left(NLMSG_HDRLEN + 2)));
}
