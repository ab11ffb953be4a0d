#include "core/net/ServerExchange.h"
#include "core/protocol/Lumeris_Commands.h"
#include "support/TestSupport.h"

#include <QRegularExpression>

namespace {

class GroupUpdateTest : public SignedInTest
{
protected:
    GroupUpdateTest() { state.currentIP = QStringLiteral("203.0.113.7"); }

    void receiveHostList(const QString& reply)
    {
        state.hostsRequestPending = true;
        Lumeris_Commands::processHostsReply(state, fake.platform, reply);
    }

    void reply(const QString& text) { Lumeris_Commands::processUpdateReply(state, fake.platform, text); }
};

} // namespace

TEST_F(GroupUpdateTest, EachCheckedGroupGoesOnItsOwnConnectionInListOrderAndOneRefusalFailsTheUpdate)
{
    state.checkedGroups = QStringLiteral("E:B:D:");
    receiveHostList(QStringLiteral("GETHOSTS:GA:GB:GC:GD:GE:"));
    server.failingGroups = {QStringLiteral("D")};
    state.mainWindow->updateCheckedGroups();
    EXPECT_EQ(statusBar(), "Updating selected groups...");
    server.run(1000);

    ASSERT_EQ(server.requests.size(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(server.requests[i].text, QStringLiteral("UPDATE:ALICE:PW:G%1:203.0.113.7:").arg("BDE"[i]));
    EXPECT_EQ(statusBar(), " Update failed");

    server.failingGroups.clear();
    state.mainWindow->updateCheckedGroups();
    server.run(1000);
    EXPECT_EQ(statusBar(), " Update successful");
}

TEST_F(GroupUpdateTest, WithNoListedGroupCheckedNoConnectionIsMadeAndTheUpdateSucceeds)
{
    receiveHostList(QStringLiteral("GETHOSTS:GA:GB:GC:"));
    // Nothing checked; checked in the settings but not listed.
    for (const char* checked : {"", "Z:"}) {
        state.checkedGroups = QLatin1String(checked);
        state.updateRequestCount = 5;
        mainControl<QLabel>("lastUpdateLabel")->clear();
        state.mainWindow->updateCheckedGroups();
        fake.clock.runPosted();

        EXPECT_EQ(fake.sockets.count(), 0) << checked;
        EXPECT_EQ(statusBar(), " Update successful") << checked;
        EXPECT_FALSE(labelText("lastUpdateLabel").isEmpty()) << checked;
        fake.clock.advance(249);
        EXPECT_TRUE(state.exchangeBusy) << checked;
        fake.clock.advance(1);
        EXPECT_FALSE(state.exchangeBusy) << checked;
    }
}

// Each reply, a failed one too, sets the last-update time from the program's clock.
TEST_F(GroupUpdateTest, TheUpdateSucceedsOnlyWhenEveryReplyEndsInSuccessExactlyAndEachReplySetsTheTime)
{
    fake.clock.advance(3 * 60 * 60 * 1000 + 60 * 1000);
    const std::pair<QStringList, QString> cases[] = {
        {{"UPDATE:HOME:203.0.113.7:SUCCESS:", "SUCCESS:"}, " Update successful"},
        {{"UPDATE:HOME:203.0.113.7:success:"}, " Update failed"},
        {{"UPDATE:HOME:203.0.113.7:SUCCESS:\r\n"}, " Update failed"},
        {{"CCESS:"}, " Update failed"},
        {{""}, " Update failed"},
    };
    for (const auto& [replies, verdict] : cases) {
        // As a new exchange starts: no failure yet, and this shown before any of its replies.
        state.exchange->updateFailed = false;
        state.mainWindow->showStatus(QStringLiteral("Updating selected groups..."));
        mainControl<QLabel>("lastUpdateLabel")->clear();
        for (const QString& text : replies)
            reply(text);
        EXPECT_EQ(statusBar(), verdict) << replies.join(QLatin1Char('|')).toStdString();
        // 5 December 2026, 10:04, with whatever separators this system uses.
        const QString stamp = labelText("lastUpdateLabel");
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^12(\\D+)05\\g{1}26 10\\D+04$")).match(stamp).hasMatch())
            << stamp.toStdString();
    }
}
