#include "core/client/UpdateCycle.h"
#include "support/Engine.h"

#include <limits>

TEST(UpdateScheduler, DesktopStartUpStepsComeASecondApartAndWaitSecondBySecondWhileTheExchangeIsBusy)
{
    Engine quick;
    quick.scheduler().start();
    quick.server.run(3000);
    EXPECT_EQ(quick.server.requests.at(2).openedAtMs, 2000);

    Engine engine;
    engine.server.holding = true;
    engine.scheduler().start();
    engine.server.run(3500);
    EXPECT_EQ(engine.fake.sockets.count(), 1);
    // The address arrives at 3.5 s; the host list at 7.5 s, after tries at 5, 6 and 7 s.
    engine.server.holding = false;
    engine.server.run(499);
    engine.server.holding = true;
    engine.server.run(3000);
    engine.server.holding = false;
    engine.server.run(1001);
    ASSERT_EQ(engine.server.commandWords(), QStringList({"GETMYIP", "GETHOSTS", "UPDATE"}));
    EXPECT_EQ(engine.server.requests[1].openedAtMs, 4000);
    EXPECT_EQ(engine.server.requests[2].openedAtMs, 8000);
    EXPECT_EQ(engine.server.requests[2].text, "UPDATE:ALICE:PW:GOFFICE:203.0.113.9:");
}

TEST(UpdateScheduler, CommandLineStartUpStepsFollowEachOtherAtOnceThenRunTheSameCycle)
{
    Engine engine(Engine::CommandLine);
    engine.scheduler().start();
    // A command that waited behind a step takes the exchange first; the step follows it.
    engine.client->checkNews();
    engine.server.run(100);
    EXPECT_EQ(engine.server.commandWords(), QStringList({"GETMYIP", "CHECKNEWS", "GETHOSTS", "UPDATE"}));

    engine.server.requests.clear();
    engine.toNextMinute();
    EXPECT_EQ(engine.server.minutes(6),
              QStringList({"", "GETMYIP CHECKVERSION", "UPDATE", "", "GETMYIP CHECKVERSION", "UPDATE"}));
}

TEST(UpdateCycleTick, TheUpdateComesOnTheIntervalsMinuteAndTheChecksTheMinuteBeforeUnlessBusy)
{
    using UpdateCycle::Step;
    constexpr qint32 kMost = std::numeric_limits<qint32>::max();
    const struct
    {
        qint32 counter, interval;
        bool busy;
        Step step;
        qint32 next;
    } cases[] = {
        {1, 3, false, Step::Nothing, 2}, {2, 3, false, Step::CheckStep, 3}, {2, 3, true, Step::Nothing, 3},
        {3, 3, false, Step::Update, 1},  {3, 3, true, Step::Nothing, 3},    {16, 15, false, Step::Update, 1},
        {1, 1, false, Step::Update, 1},  {5, -5, false, Step::Nothing, 6},  {kMost, 0, false, Step::Nothing, kMost},
    };
    for (const auto& c : cases) {
        const UpdateCycle::Tick tick = UpdateCycle::tick(c.counter, c.interval, c.busy);
        EXPECT_EQ(std::pair(tick.step, tick.minuteCounter), std::pair(c.step, c.next))
            << c.counter << " of " << c.interval << (c.busy ? " busy" : "");
    }
}

TEST(UpdateScheduler, ALowerIntervalUpdatesAtTheNextTickAndAListFetchedLaterBringsNoSecondStartUpUpdate)
{
    Engine engine(Engine::Desktop, 60);
    engine.startUp();
    engine.server.minutes(16);
    // As closing the preferences with a shorter interval does.
    engine.settings.updateInterval = 15;
    engine.scheduler().fetchListSoon();
    EXPECT_EQ(engine.server.minutes(1), QStringList({"GETHOSTS UPDATE"}));
}

TEST(UpdateScheduler, SwitchingOffAndOnKeepsTheCountAndSwitchingOnTwiceDoesNotRestartIt)
{
    Engine engine(Engine::Desktop, 10);
    engine.startUp();
    engine.server.minutes(4);
    engine.scheduler().setAutoUpdate(false);
    EXPECT_EQ(engine.server.minutes(60).join(QString()), "");
    engine.scheduler().setAutoUpdate(true);
    // The first tick comes a full minute after switching on; each counted minute below holds one.
    engine.server.run(30000);
    engine.scheduler().setAutoUpdate(true);
    EXPECT_EQ(engine.server.minutes(7), QStringList({"", "", "", "", "GETMYIP CHECKVERSION", "UPDATE", ""}));
}

TEST(UpdateScheduler, AFixedAddressIsUpdatedWithoutIpChecksOrTheirNotice)
{
    Engine engine(Engine::Desktop, 2);
    engine.settings.useStaticIP = true;
    engine.settings.currentIP = QStringLiteral("198.51.100.4");
    engine.scheduler().start();
    engine.server.run(3000);
    EXPECT_EQ(engine.server.minutes(4), QStringList({"CHECKVERSION", "UPDATE", "CHECKVERSION", "UPDATE"}));
    EXPECT_EQ(engine.server.requests.back().text, "UPDATE:ALICE:PW:GOFFICE:198.51.100.4:");
    EXPECT_FALSE(engine.view->lines.contains(QStringLiteral("fixed address")));
}

TEST(UpdateScheduler, WithAutomaticUpdatesOffTheStartUpUpdateOnlySaysSo)
{
    for (const Engine::Pace pace : {Engine::Desktop, Engine::CommandLine}) {
        Engine engine(pace, 1);
        engine.settings.autoUpdate = 0;
        engine.scheduler().start();
        engine.server.run(600000);
        EXPECT_EQ(engine.server.commandWords(), QStringList({"GETMYIP", "GETHOSTS"}));
        EXPECT_EQ(engine.view->lines.back(), "status Auto Updates Disabled");
    }
}

TEST(UpdateScheduler, AnUpdateWithoutTheHostListAsksForItFirstAndNeverClaimsSuccess)
{
    Engine engine;
    engine.settings.currentIP = QStringLiteral("203.0.113.9");
    engine.scheduler().updateNow();
    EXPECT_FALSE(engine.view->lines.contains(QStringLiteral("status  Update successful")));
    engine.server.run(1000);
    EXPECT_EQ(engine.server.commandWords(), QStringList({"GETHOSTS", "UPDATE"}));
}

TEST(UpdateScheduler, ACalmNetworkIsCheckedOnceAndOnlyANewAddressIsSentWithoutMovingTheCycle)
{
    Engine moved;
    Engine still;
    moved.startUp();
    still.startUp();
    moved.server.address = QStringLiteral("198.51.100.4");
    moved.server.run(7000);
    moved.scheduler().networkChanged();
    moved.server.run(3000);
    moved.scheduler().networkChanged();
    moved.server.run(4900);
    EXPECT_TRUE(moved.server.requests.empty()) << "checked before the network was calm";
    moved.server.run(2100);
    ASSERT_EQ(moved.server.commandWords(), QStringList({"GETMYIP", "UPDATE"}));
    EXPECT_EQ(moved.server.requests[1].text, "UPDATE:ALICE:PW:GOFFICE:198.51.100.4:");
    still.server.run(moved.fake.clock.elapsedMs() - still.fake.clock.elapsedMs());
    EXPECT_EQ(moved.server.minutes(7), still.server.minutes(7));

    // An unchanged address sends no update; a fixed one is not even checked.
    for (const bool fixed : {false, true}) {
        still.settings.useStaticIP = fixed;
        still.scheduler().networkChanged();
        still.server.requests.clear();
        still.server.run(6000);
        EXPECT_EQ(still.server.commandWords(), fixed ? QStringList() : QStringList({"GETMYIP"}));
    }
}

TEST(UpdateScheduler, ANewerVersionIsOfferedOnceARunButTheUsersOwnCheckOffersItAgain)
{
    Engine engine(Engine::CommandLine, 2);
    engine.server.versionReply = QStringLiteral("CHECKVERSION:9.0.0:");
    engine.startUp();
    engine.server.minutes(4);
    EXPECT_EQ(engine.view->lines.filter(QStringLiteral("upgrade ")).size(), 1);
    engine.client->checkVersion();
    engine.server.run(1000);
    EXPECT_EQ(engine.view->lines.filter(QStringLiteral("upgrade ")).size(), 2);
}
