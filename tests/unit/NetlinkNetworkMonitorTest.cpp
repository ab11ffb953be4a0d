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
    const std::pair<QByteArray, bool> cases[] = {
        {route(RTM_NEWROUTE, AF_INET, 0), true},
        {route(RTM_DELROUTE, AF_INET6, 0), true},
        {address(RTM_DELADDR, AF_INET, RT_SCOPE_UNIVERSE), true},
        // A batch counts when any of its messages does.
        {route(RTM_NEWROUTE, AF_INET, 24) + address(RTM_NEWADDR, AF_INET, RT_SCOPE_UNIVERSE), true},
        {route(RTM_NEWROUTE, AF_INET, 24), false},
        {route(RTM_NEWROUTE, AF_INET, 0, RT_TABLE_LOCAL), false},
        // IPv6 renews its addresses' lifetimes every few minutes.
        {address(RTM_NEWADDR, AF_INET6, RT_SCOPE_UNIVERSE), false},
        {address(RTM_NEWADDR, AF_INET, RT_SCOPE_HOST), false},
        {message(RTM_NEWLINK, ifinfomsg{}), false},
        // A message shorter than its header says is not read past its end.
        {route(RTM_NEWROUTE, AF_INET, 0).left(NLMSG_HDRLEN + 2), false},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(NetlinkNetworkMonitor::isNetworkChange(cases[i].first), cases[i].second) << "case " << i;
}
