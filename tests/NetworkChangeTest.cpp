#include "support/TestSupport.h"

namespace {

// A program with OFFICE checked and a three-minute interval, through its start-up chain.
struct StartedProgram : SignedInClient
{
    StartedProgram()
    {
        state.checkedGroups = QStringLiteral("OFFICE:");
        state.updateInterval = 3;
        state.mainWindow->Form_Load();
        server.run(3000);
        server.requests.clear();
    }
};

} // namespace

TEST(NetworkChange, ACalmNetworkIsCheckedOnceAndANewAddressIsSentAtOnceWithoutMovingTheCycle)
{
    StartedProgram moved;
    StartedProgram still;
    moved.server.address = QStringLiteral("198.51.100.4");
    moved.server.run(7000);
    moved.fake.network.change();
    moved.server.run(3000);
    moved.fake.network.change();
    moved.server.run(4900);
    EXPECT_TRUE(moved.server.requests.empty()) << "checked before the network was calm";
    moved.server.run(2100);
    ASSERT_EQ(moved.server.commandWords(), QStringList({"GETMYIP", "UPDATE"}));
    EXPECT_EQ(moved.server.requests[1].text, "UPDATE:ALICE:PW:GOFFICE:198.51.100.4:");

    still.server.run(moved.fake.clock.elapsedMs() - still.fake.clock.elapsedMs());
    EXPECT_EQ(moved.server.minutes(7), still.server.minutes(7));
}

TEST(NetworkChange, AnUnchangedAddressOrAFixedOneSendsNoUpdate)
{
    StartedProgram current;
    current.fake.network.change();
    current.server.run(6000);
    EXPECT_EQ(current.server.commandWords(), QStringList({"GETMYIP"}));

    StartedProgram fixed;
    fixed.state.useStaticIP = true;
    fixed.fake.network.change();
    fixed.server.run(6000);
    EXPECT_TRUE(fixed.server.requests.empty());
}
