#include "core/settings/ConfigFile.h"
#include "support/TestSupport.h"

namespace {

constexpr qint64 kMinute = 60000;

// The program of alice, who has OFFICE checked, over a server that answers at once.
struct Program : SignedInClient
{
    Program() { state.checkedGroups = QStringLiteral("OFFICE:"); }

    MainWindow& main() { return *state.mainWindow; }

    // Starts the program and lets the start-up chain run to its end: the address check at once,
    // the host list a second later and the update a second after that.
    void startUp(qint32 interval)
    {
        state.updateInterval = interval;
        main().Form_Load();
        server.run(3000);
        ASSERT_EQ(server.commandWords(), QStringList({"GETMYIP", "GETHOSTS", "UPDATE"}));
        EXPECT_EQ(server.requests[1].openedAtMs, 1000);
        EXPECT_EQ(server.requests[2].openedAtMs, 2000);
        server.requests.clear();
        fake.clock.clearTicks();
    }
};

struct UpdateCycleTest : ::testing::Test, Program
{
};

} // namespace

TEST_F(UpdateCycleTest, StartUpStepsWaitSecondBySecondWhileTheExchangeIsBusy)
{
    server.holding = true;
    main().Form_Load();
    server.run(3500);
    EXPECT_EQ(fake.sockets.count(), 1);

    // The address arrives at 3.5 s; the exchange has unloaded by the next second's try.
    server.holding = false;
    server.run(499);
    server.holding = true;
    server.run(3000);
    server.holding = false;
    server.run(1001);

    ASSERT_EQ(server.commandWords(), QStringList({"GETMYIP", "GETHOSTS", "UPDATE"}));
    EXPECT_EQ(server.requests[1].openedAtMs, 4000);
    // Tried at 5 s, 6 s and 7 s while the host list was still outstanding.
    EXPECT_EQ(server.requests[2].openedAtMs, 8000);
}

TEST_F(UpdateCycleTest, EachIntervalUpdatesOnItsMinuteWithTheChecksTheMinuteBeforeAndNoneBelowOne)
{
    const QStringList nothing = {"", "", "", "", ""};
    const std::pair<qint32, QStringList> cases[] = {
        {1, {"UPDATE", "UPDATE", "UPDATE"}},
        {2, {"GETMYIP CHECKVERSION", "UPDATE", "GETMYIP CHECKVERSION", "UPDATE"}},
        {0, nothing},
        {-5, nothing},
    };
    for (const auto& [interval, expected] : cases) {
        Program program;
        program.startUp(interval);
        EXPECT_EQ(program.server.minutes(expected.size()), expected) << interval;
    }
}

TEST_F(UpdateCycleTest, BusyExchangeHoldsTheUpdateBackToTheNextFreeTickAndSkipsACheckStep)
{
    startUp(2);
    // Busy from just before the cycle's next tick.
    server.run(kMinute - fake.clock.elapsedMs() % kMinute - 50);
    state.exchangeBusy = true;
    EXPECT_EQ(server.minutes(3), QStringList({"", "", ""}));
    EXPECT_EQ(main().minuteCounter, 2);

    state.exchangeBusy = false;
    EXPECT_EQ(server.minutes(3), QStringList({"UPDATE", "GETMYIP CHECKVERSION", "UPDATE"}));
}

TEST_F(UpdateCycleTest, IntervalLoweredBelowTheCounterUpdatesAtTheNextTickAndTheStartUpUpdateIsNotRepeated)
{
    startUp(60);
    server.minutes(16);
    ASSERT_EQ(main().minuteCounter, 17);

    // As saving the preferences with a shorter interval does: the list is fetched again, and only
    // the cycle updates.
    state.updateInterval = 15;
    main().UnloadPreferences();
    EXPECT_EQ(server.minutes(1), QStringList({"GETHOSTS UPDATE"}));
    EXPECT_EQ(main().minuteCounter, 1);
}

TEST_F(UpdateCycleTest, SwitchingOffAndOnKeepsTheCounter)
{
    startUp(10);
    server.minutes(4);
    main().disableUpdates_Click();
    EXPECT_EQ(server.minutes(60).join(QString()), "");
    EXPECT_EQ(main().minuteCounter, 5);

    main().enableUpdates_Click();
    // The first tick comes a full minute after switching on; each counted minute below holds one.
    server.run(kMinute / 2);
    EXPECT_EQ(server.minutes(7), QStringList({"", "", "", "", "GETMYIP CHECKVERSION", "UPDATE", ""}));
}

TEST_F(UpdateCycleTest, FixedAddressKeepsUpdatingWithoutIpChecksWhileABoxIsLeftOpen)
{
    state.useStaticIP = true;
    state.currentIP = QStringLiteral("198.51.100.4");
    state.updateInterval = 2;
    main().Form_Load();
    server.run(3000);
    ASSERT_EQ(server.commandWords(), QStringList({"GETHOSTS", "UPDATE"}));

    // Each check step's "No update(s)" box stays open; nobody is at the keyboard.
    EXPECT_EQ(server.minutes(4), QStringList({"CHECKVERSION", "UPDATE", "CHECKVERSION", "UPDATE"}));
    EXPECT_EQ(server.requests.back().text, "UPDATE:ALICE:PW:GOFFICE:198.51.100.4:");
    EXPECT_EQ(fake.messageBoxes.openCount(), 1);
    for (const FakeMessageBoxes::Box& box : fake.messageBoxes.shown())
        EXPECT_NE(box.title, "Static Address");
}

TEST_F(UpdateCycleTest, WithAutomaticUpdatesOffTheStartUpUpdateOnlySaysSo)
{
    state.autoUpdate = 0;
    state.updateInterval = 1;
    Common_Functions::saveConfig(state, fake.platform);

    main().Form_Load();
    server.run(10 * kMinute);
    EXPECT_EQ(server.commandWords(), QStringList({"GETMYIP", "GETHOSTS"}));
    EXPECT_EQ(statusBar(), "Auto Updates Disabled");
}
