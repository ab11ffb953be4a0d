#include "core/protocol/Replies.h"
#include "support/Engine.h"

namespace {

// Alice at 203.0.113.7, whose host list has arrived.
struct Updater : Engine
{
    explicit Updater(const QString& checked, const QString& hostsReply)
    {
        settings.currentIP = QStringLiteral("203.0.113.7");
        settings.checkedGroups = checked;
        server.hostsReply = hostsReply;
        client->refreshHostList();
        server.run(1000);
        server.requests.clear();
    }
};

} // namespace

TEST(UpdateReply, OnlyAReplyEndingInSuccessExactlyIsASuccess)
{
    EXPECT_TRUE(isUpdateSuccess(QStringLiteral("UPDATE:HOME:203.0.113.7:SUCCESS:")));
    for (const char* reply : {"UPDATE:HOME:203.0.113.7:success:", "UPDATE:HOME:203.0.113.7:SUCCESS:\r\n", "CCESS:"})
        EXPECT_FALSE(isUpdateSuccess(QLatin1String(reply))) << reply;

    EXPECT_EQ(updateFailureReason(QStringLiteral("UPDATE:ERROR:NOSUCHGROUP:")), "the group is not in this account");
    EXPECT_EQ(updateFailureReason(" " + QString(100, 'X')), "the server answered \"" + QString(80, 'X') + "\"");
}

TEST(GroupUpdate, EachCheckedGroupGoesOnItsOwnConnectionInListOrderAndOneRefusalFailsTheUpdate)
{
    Updater engine(QStringLiteral("E:B:D:"), QStringLiteral("GETHOSTS:GA:GB:GC:GD:GE:"));
    engine.server.failingGroups = {QStringLiteral("D")};
    engine.client->sendGroupUpdate();
    engine.server.run(1000);

    ASSERT_EQ(engine.server.requests.size(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(engine.server.requests[i].text, QStringLiteral("UPDATE:ALICE:PW:G%1:203.0.113.7:").arg("BDE"[i]));
    // A later success does not hide the refusal.
    EXPECT_EQ(engine.status(), " Update failed");
    // Each reply, a failed one too, sets the last-update time.
    EXPECT_EQ(engine.view->lines.filter("last update ").size(), 3);

    engine.server.failingGroups.clear();
    engine.client->sendGroupUpdate();
    engine.server.run(1000);
    EXPECT_EQ(engine.status(), " Update successful");
}

TEST(GroupUpdate, WithNoListedGroupCheckedNoConnectionIsMadeAndTheUpdateSucceeds)
{
    // Nothing checked; checked in the settings but not listed.
    for (const char* checked : {"", "Z:"}) {
        Updater engine(QLatin1String(checked), QStringLiteral("GETHOSTS:GA:GB:GC:"));
        const int sockets = engine.fake.sockets.count();
        engine.client->sendGroupUpdate();
        engine.fake.clock.runPosted();

        EXPECT_EQ(engine.fake.sockets.count(), sockets) << checked;
        EXPECT_EQ(engine.status(), " Update successful") << checked;
        EXPECT_EQ(engine.view->lines.last(), "last update " + engine.fake.clock.now().toString(Qt::ISODate)) << checked;
    }
}
