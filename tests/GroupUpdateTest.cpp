#include "FakeCommandServer.h"
#include "platform/fake/FakePlatform.h"
#include "protocol/Lumeris_Commands.h"
#include "state/ClientState.h"
#include "ui/Windows.h"
#include "ui/main/frmMain.h"

#include <QLabel>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

class GroupUpdateTest : public ::testing::Test
{
protected:
    GroupUpdateTest()
    {
        installWindowFactories(state, fake.platform);
        main = state.frmMain.get();
        state.userName = QStringLiteral("ann");
        state.password = QStringLiteral("secret");
        state.currentIP = QStringLiteral("203.0.113.7");
    }

    void receiveHostList(const QString& reply)
    {
        state.hostsRequestPending = true;
        Lumeris_Commands::processHostsReply(state, fake.platform, reply);
    }

    void reply(const QString& text) { Lumeris_Commands::processUpdateReply(state, fake.platform, text); }

    QLabel* label(const char* name) { return main->findChild<QLabel*>(QLatin1String(name)); }
    QString statusText() { return label("lblStatusBar")->text(); }
    // A new exchange shows this before any of its replies.
    void startExchange() { label("lblStatusBar")->setText(QStringLiteral("Updating selected groups...")); }

    std::vector<QString> requests()
    {
        return {state.updateRequests.begin(), state.updateRequests.begin() + state.updateRequestCount};
    }

    FakePlatform fake;
    ClientState state;
    frmMain* main = nullptr;
};

} // namespace

TEST_F(GroupUpdateTest, CheckedGroupsGiveOneRequestEachInListOrder)
{
    state.checkedGroups = QStringLiteral("E:B:D:");
    receiveHostList(QStringLiteral("GETHOSTS:GA:GB:GC:GD:GE:"));

    main->Update_Click();

    EXPECT_EQ(requests(),
              std::vector<QString>({"update:ann:secret:gB:203.0.113.7:", "update:ann:secret:gD:203.0.113.7:",
                                    "update:ann:secret:gE:203.0.113.7:"}));
}

TEST_F(GroupUpdateTest, NothingIsSentWhenNoGroupIsChecked)
{
    receiveHostList(QStringLiteral("GETHOSTS:GA:GB:"));
    state.updateRequestCount = 5;
    main->Update_Click();
    EXPECT_EQ(state.updateRequestCount, 0);

    // Listed in the settings but not in the list yet.
    state.checkedGroups = QStringLiteral("Z:");
    state.updateRequestCount = 5;
    main->Update_Click();
    EXPECT_EQ(state.updateRequestCount, 0);
}

TEST_F(GroupUpdateTest, WithNothingToSendNoConnectionIsMadeAndTheUpdateSucceeds)
{
    main->Update_Click();

    EXPECT_EQ(fake.sockets.count(), 0);
    EXPECT_EQ(statusText(), " Update successful");
    EXPECT_FALSE(label("lblLastUpdate")->text().isEmpty());
    EXPECT_TRUE(state.exchangeBusy);
    fake.clock.advance(250);
    EXPECT_FALSE(state.exchangeBusy);
}

TEST_F(GroupUpdateTest, EachCheckedGroupGoesOnItsOwnConnectionAndOneRefusalFailsTheUpdate)
{
    FakeCommandServer server(fake);
    server.failingGroups = {QStringLiteral("B")};
    state.checkedGroups = QStringLiteral("A:B:C:");
    receiveHostList(QStringLiteral("GETHOSTS:GA:GB:GC:"));

    main->Update_Click();
    EXPECT_EQ(statusText(), "Updating selected groups...");
    server.run(1000);

    EXPECT_EQ(server.commandWords(), QStringList({"UPDATE", "UPDATE", "UPDATE"}));
    EXPECT_EQ(statusText(), " Update failed");

    server.failingGroups.clear();
    main->Update_Click();
    server.run(1000);
    EXPECT_EQ(statusText(), " Update successful");
}

TEST_F(GroupUpdateTest, UpdateAfterARefusedAccountReadsOnlyLinesThatExist)
{
    state.checkedGroups = QStringLiteral("A:B:C:");
    receiveHostList(QStringLiteral("GETHOSTS:GA:GB:GC:"));
    receiveHostList(QStringLiteral("ERROR:INVALIDUSER:"));
    ASSERT_EQ(state.groupCount, 3);

    main->Update_Click();

    EXPECT_EQ(state.updateRequestCount, 0);
}

TEST_F(GroupUpdateTest, ReplyIsASuccessOnlyWhenItEndsInSuccessExactly)
{
    const std::pair<QString, QString> cases[] = {
        {"SUCCESS:", " Update successful"},
        {"UPDATE:HOME:203.0.113.7:SUCCESS:", " Update successful"},
        {"UPDATE:HOME:203.0.113.7:success:", " Update failed"},
        {"UPDATE:HOME:203.0.113.7:SUCCESS:\r\n", " Update failed"},
        {"CCESS:", " Update failed"},
        {"", " Update failed"},
    };
    for (const auto& [text, verdict] : cases) {
        startExchange();
        reply(text);
        EXPECT_EQ(statusText(), verdict) << text.toStdString();
    }
}

TEST_F(GroupUpdateTest, OneFailedReplyMakesTheWholeExchangeFail)
{
    startExchange();
    reply(QStringLiteral("SUCCESS:"));
    EXPECT_EQ(statusText(), " Update successful");
    reply(QStringLiteral("UPDATE:ERROR:NOSUCHGROUP:"));
    reply(QStringLiteral("SUCCESS:"));
    EXPECT_EQ(statusText(), " Update failed");

    startExchange();
    reply(QStringLiteral("SUCCESS:"));
    reply(QStringLiteral("SUCCESS:"));
    EXPECT_EQ(statusText(), " Update successful");
}

TEST_F(GroupUpdateTest, EveryReplySetsTheLastUpdateTime)
{
    startExchange();
    reply(QStringLiteral("UPDATE:ERROR:INVALIDUSER:"));
    // 5 December 2026, 07:03, with whatever separators this system uses.
    static const QRegularExpression stamp(QStringLiteral("^12(\\D+)05\\g{1}26 07\\D+03$"));
    EXPECT_TRUE(stamp.match(label("lblLastUpdate")->text()).hasMatch()) << label("lblLastUpdate")->text().toStdString();

    fake.clock.advance(3 * 60 * 60 * 1000 + 60 * 1000);
    reply(QStringLiteral("SUCCESS:"));
    EXPECT_TRUE(label("lblLastUpdate")->text().contains(QRegularExpression(QStringLiteral(" 10\\D+04$"))));
}
