#include "FakeCommandServer.h"
#include "TestSupport.h"
#include "exchange/frmUpdate.h"
#include "protocol/Lumeris_Commands.h"

#include <QRegularExpression>

namespace {

class GroupUpdateTest : public ClientTest
{
protected:
    GroupUpdateTest()
    {
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
    QString lastUpdate() { return state.frmMain->findChild<QLabel*>(QStringLiteral("lblLastUpdate"))->text(); }
    // A new exchange shows this before any of its replies.
    // What the exchange does as an update starts.
    void startExchange()
    {
        state.frmUpdate->updateFailed = false;
        state.frmMain->lblStatusBar->setText(QStringLiteral("Updating selected groups..."));
    }
};

} // namespace

TEST_F(GroupUpdateTest, CheckedGroupsGiveOneRequestEachInListOrder)
{
    state.checkedGroups = QStringLiteral("E:B:D:");
    receiveHostList(QStringLiteral("GETHOSTS:GA:GB:GC:GD:GE:"));

    state.frmMain->Update_Click();

    EXPECT_EQ(
        std::vector<QString>(state.updateRequests.begin(), state.updateRequests.begin() + state.updateRequestCount),
        std::vector<QString>({"update:ann:secret:gB:203.0.113.7:", "update:ann:secret:gD:203.0.113.7:",
                              "update:ann:secret:gE:203.0.113.7:"}));
}

TEST_F(GroupUpdateTest, WithNoListedGroupCheckedNoConnectionIsMadeAndTheUpdateSucceeds)
{
    // Nothing checked; checked in the settings but not listed.
    for (const char* checked : {"", "Z:"}) {
        FakeClient client;
        client.state.checkedGroups = QLatin1String(checked);
        client.state.hostsRequestPending = true;
        Lumeris_Commands::processHostsReply(client.state, client.fake.platform, QStringLiteral("GETHOSTS:GA:GB:GC:"));
        client.state.updateRequestCount = 5;
        client.state.frmMain->Update_Click();
        client.fake.clock.runPosted();

        EXPECT_EQ(client.state.updateRequestCount, 0) << checked;
        EXPECT_EQ(client.fake.sockets.count(), 0) << checked;
        EXPECT_EQ(client.statusBar(), " Update successful") << checked;
        EXPECT_FALSE(client.state.frmMain->findChild<QLabel*>(QStringLiteral("lblLastUpdate"))->text().isEmpty());
        EXPECT_TRUE(client.state.exchangeBusy);
        client.fake.clock.advance(250);
        EXPECT_FALSE(client.state.exchangeBusy);
    }
}

TEST_F(GroupUpdateTest, WithoutTheHostListTheUpdateAsksForItFirstAndNeverClaimsSuccess)
{
    FakeCommandServer server(fake);
    state.userName = QStringLiteral("ann");
    state.password = QStringLiteral("pw");
    state.currentIP = QStringLiteral("203.0.113.7");
    state.checkedGroups = QStringLiteral("OFFICE:");
    state.frmMain->Update_Click();
    EXPECT_NE(statusBar(), " Update successful");
    server.run(1000);
    ASSERT_EQ(server.commandWords(), QStringList({"GETHOSTS", "UPDATE"}));
    EXPECT_EQ(server.requests.back().text, "UPDATE:ANN:PW:GOFFICE:203.0.113.7:");

    // A refused account loses its list: the next update asks again and sends nothing more.
    server.requests.clear();
    server.hostsReply = QStringLiteral("ERROR:INVALIDUSER:");
    state.frmMain->getHosts_Click();
    server.run(1000);
    state.frmMain->Update_Click();
    server.run(1000);
    EXPECT_EQ(server.commandWords(), QStringList({"GETHOSTS", "GETHOSTS"}));
    EXPECT_EQ(statusBar(), " The user name or password was not accepted");
}

TEST_F(GroupUpdateTest, EachCheckedGroupGoesOnItsOwnConnectionAndOneRefusalFailsTheUpdate)
{
    FakeCommandServer server(fake);
    server.failingGroups = {QStringLiteral("B")};
    state.checkedGroups = QStringLiteral("A:B:C:");
    receiveHostList(QStringLiteral("GETHOSTS:GA:GB:GC:"));

    state.frmMain->Update_Click();
    EXPECT_EQ(statusBar(), "Updating selected groups...");
    server.run(1000);

    EXPECT_EQ(server.commandWords(), QStringList({"UPDATE", "UPDATE", "UPDATE"}));
    EXPECT_EQ(statusBar(), " Update failed");

    server.failingGroups.clear();
    state.frmMain->Update_Click();
    server.run(1000);
    EXPECT_EQ(statusBar(), " Update successful");
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
        EXPECT_EQ(statusBar(), verdict) << text.toStdString();
    }
}

TEST_F(GroupUpdateTest, OneFailedReplyMakesTheWholeExchangeFail)
{
    startExchange();
    reply(QStringLiteral("SUCCESS:"));
    EXPECT_EQ(statusBar(), " Update successful");
    reply(QStringLiteral("UPDATE:ERROR:NOSUCHGROUP:"));
    reply(QStringLiteral("SUCCESS:"));
    EXPECT_EQ(statusBar(), " Update failed");

    startExchange();
    reply(QStringLiteral("SUCCESS:"));
    reply(QStringLiteral("SUCCESS:"));
    EXPECT_EQ(statusBar(), " Update successful");
}

TEST_F(GroupUpdateTest, EveryReplySetsTheLastUpdateTime)
{
    startExchange();
    reply(QStringLiteral("UPDATE:ERROR:INVALIDUSER:"));
    // 5 December 2026, 07:03, with whatever separators this system uses.
    static const QRegularExpression stamp(QStringLiteral("^12(\\D+)05\\g{1}26 07\\D+03$"));
    EXPECT_TRUE(stamp.match(lastUpdate()).hasMatch()) << lastUpdate().toStdString();

    fake.clock.advance(3 * 60 * 60 * 1000 + 60 * 1000);
    reply(QStringLiteral("SUCCESS:"));
    EXPECT_TRUE(lastUpdate().contains(QRegularExpression(QStringLiteral(" 10\\D+04$"))));
}
