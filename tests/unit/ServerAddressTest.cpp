#include "core/net/ServerAddress.h"

#include <gtest/gtest.h>

TEST(ServerAddress, TheOptionTakesBothFormsAndABracketedV6HostAndRefusesTheRest)
{
    const std::tuple<QStringList, QString, int, bool> cases[] = {
        {{"veltaro"}, "", 0, false},
        {{"veltaro", "--server", "example.net:5000"}, "example.net", 5000, false},
        {{"veltaro", "-platform", "xcb", "--server=[::1]:7"}, "::1", 7, false},
        {{"veltaro", "--server", "::1:7"}, "", 0, true},
        {{"veltaro", "--server=host:65536"}, "", 0, true},
        {{"veltaro", "--server"}, "", 0, true},
    };
    for (const auto& [arguments, host, port, refused] : cases) {
        QString problem;
        const std::optional<ServerAddress> server = serverOption(arguments, &problem);
        EXPECT_EQ(server ? server->host : QString(), host) << arguments.join(' ').toStdString();
        EXPECT_EQ(server ? server->port : 0, port) << arguments.join(' ').toStdString();
        EXPECT_EQ(!problem.isEmpty(), refused) << arguments.join(' ').toStdString();
    }
}
