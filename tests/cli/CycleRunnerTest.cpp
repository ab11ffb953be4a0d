#include "cli/CycleRunner.h"
#include "cli/CliClient.h"
#include "support/FakeCommandServer.h"

#include "BuildConfig.h"

#include <gtest/gtest.h>

namespace {

constexpr qint64 kMinute = 60000;

// The command-line cycle on the fake platform, against the fake server; its lines are collected.
class CycleRunnerTest : public ::testing::Test
{
protected:
    CycleRunnerTest()
    {
        client.state.userName = QStringLiteral("alice");
        client.state.password = QStringLiteral("pw");
        client.state.checkedGroups = QStringLiteral("OFFICE:");
        client.state.autoUpdate = 1;
        client.state.updateInterval = 3;
    }

    FakePlatform fake;
    QStringList lines;
    CliClient client{CommandLine{}, fake.platform, nullptr,
                     [this](ConsoleOutput::Level, const QString& line) { lines.append(line); }};
    CycleRunner runner{client};
    FakeCommandServer server{fake};
};

} // namespace

TEST_F(CycleRunnerTest, StartsWithTheUpdateThenChecksAMinuteBeforeEachUpdateOfTheInterval)
{
    runner.start();
    server.run(1000);
    EXPECT_EQ(server.commandWords(), QStringList({"GETMYIP", "GETHOSTS", "UPDATE"}));
    EXPECT_EQ(server.requests.back().text, QStringLiteral("UPDATE:ALICE:PW:GOFFICE:203.0.113.9:"));
    // Each step starts as soon as the one before is through, with no waiting between.
    EXPECT_LT(server.requests.back().openedAtMs, 500);
    EXPECT_TRUE(lines.contains(QStringLiteral("OFFICE: updated to 203.0.113.9")));

    server.requests.clear();
    fake.clock.advance(kMinute - fake.clock.elapsedMs() % kMinute - 50);
    EXPECT_EQ(server.minutes(6),
              QStringList({"", "GETMYIP CHECKVERSION", "UPDATE", "", "GETMYIP CHECKVERSION", "UPDATE"}));
}

TEST_F(CycleRunnerTest, WithoutAnIntervalItUpdatesEveryShortestIntervalRatherThanNeverAgain)
{
    client.state.updateInterval = 0;
    runner.start();
    server.run(1000);
    server.requests.clear();
    fake.clock.advance(kMinute - fake.clock.elapsedMs() % kMinute - 50);
    const QStringList minutes = server.minutes(15);
    EXPECT_EQ(minutes.mid(13), QStringList({"GETMYIP CHECKVERSION", "UPDATE"}));
    EXPECT_EQ(minutes.mid(0, 13).join(QString()), QString());
    EXPECT_EQ(client.state.updateInterval, 15);
}

TEST_F(CycleRunnerTest, NewerVersionIsOneLineNamingTheDownloadOnlyOncePerRun)
{
    client.state.updateInterval = 2;
    server.versionReply = QStringLiteral("CHECKVERSION:9.0.0:");
    runner.start();
    server.run(1000);
    server.minutes(4);

    const QString offer =
        QStringLiteral("There is a newer version available: %1/downloads/Veltaro.exe").arg(BuildConfig::webSite);
    EXPECT_EQ(lines.count(offer), 1);
    EXPECT_EQ(lines.count(QStringLiteral("New version available.")), 2);
}

TEST_F(CycleRunnerTest, WithAutomaticUpdatesOffOnlyTheAddressAndListAreFetched)
{
    client.state.autoUpdate = 0;
    runner.start();
    server.run(1000);
    EXPECT_EQ(server.commandWords(), QStringList({"GETMYIP", "GETHOSTS"}));
    EXPECT_EQ(server.minutes(4), QStringList({"", "", "", ""}));
    EXPECT_TRUE(lines.contains(QStringLiteral("Auto Updates Disabled")));
}

TEST_F(CycleRunnerTest, UpdateWithoutTheHostListAsksForItFirst)
{
    server.refusing = true;
    runner.start();
    server.run(1000);
    EXPECT_EQ(server.commandWords(), QStringList());
    server.refusing = false;

    fake.clock.advance(kMinute - fake.clock.elapsedMs() % kMinute - 50);
    EXPECT_EQ(server.minutes(3), QStringList({"", "GETMYIP CHECKVERSION", "GETHOSTS UPDATE"}));
}
