#include "BuildConfig.h"
#include "core/net/ServerExchange.h"
#include "support/Engine.h"

using Scrambler::scrambleText;

namespace {

const QString kTimeoutText = QStringLiteral("Timeout expired...connection failed.");
const QString kMyIP = QStringLiteral("getMyIPCMD");
const QString kUpdate = QStringLiteral("updateGroupsCMD");

// Every processor records "tag <- reply", so these tests lean on no processor's own work.
class ExchangeTest : public ::testing::Test
{
protected:
    ExchangeTest()
    {
        exchange.updateTag = kUpdate;
        QObject::connect(&exchange, &ServerExchange::started,
                         [this](const QString&, const QString& text) { status = text; });
        QObject::connect(&exchange, &ServerExchange::failed, [this](const QString& text) { status = text; });
        QObject::connect(&exchange, &ServerExchange::groupFailed, [this] { status = QStringLiteral("group failed"); });
        for (const QString& tag : {kMyIP, kUpdate}) {
            exchange.processors[tag] = [this, tag](const QString& reply, const QString&) {
                replies.append(tag + QStringLiteral(" <- ") + reply);
                if (auto hook = onReply)
                    hook();
            };
        }
    }

    FakeSocketRecord& socket(int creationIndex) { return fake.sockets.socket(creationIndex); }
    void submit(const QString& request = QStringLiteral("request:"),
                const QString& host = QStringLiteral("cmd.example"))
    {
        exchange.submit(ExchangeCommand{kMyIP, QStringLiteral("status ") + request, request, {}, host, 4000, {}});
    }
    void submitUpdate(std::vector<QString> requests = {QStringLiteral("update:")})
    {
        exchange.submit(ExchangeCommand{kUpdate, {}, {}, std::move(requests), {}, 0, {}});
    }
    void answer(int creationIndex, const QString& plainReply)
    {
        socket(creationIndex).accept();
        socket(creationIndex).deliver(scrambleText(plainReply));
    }

    FakeCorePlatform fake;
    ServerExchange exchange{fake.platform};
    QString status;
    QStringList replies;
    std::function<void()> onReply;
};

} // namespace

TEST_F(ExchangeTest, ACommandSendsItsScrambledRequestAndUnloadsAQuarterSecondAfterTheReply)
{
    // The processor runs once the socket's handler has returned.
    bool inHandler = false;
    onReply = [this, &inHandler] { inHandler = socket(0).inHandler(); };
    submit(QStringLiteral("getMyIP:u:p:"));
    EXPECT_EQ(status, "status getMyIP:u:p:");
    EXPECT_EQ(socket(0).remoteHost() + ':' + QString::number(socket(0).remotePort()), "cmd.example:4000");
    answer(0, QStringLiteral("GETMYIP:1.2.3.4:"));
    EXPECT_EQ(socket(0).sent(), scrambleText(QStringLiteral("getMyIP:u:p:")));
    EXPECT_EQ(replies, QStringList{"getMyIPCMD <- GETMYIP:1.2.3.4:"});
    EXPECT_FALSE(inHandler);
    fake.clock.advance(249);
    EXPECT_TRUE(exchange.isLoaded());
    fake.clock.advance(1);
    EXPECT_FALSE(exchange.isLoaded() || !socket(0).isDestroyed());

    // Without a host, the built-in server.
    submit({}, {});
    EXPECT_EQ(std::pair(socket(1).remoteHost(), socket(1).remotePort()),
              std::pair(QString::fromUtf8(BuildConfig::serverHost), BuildConfig::serverPort));
}

TEST_F(ExchangeTest, ItEndsAtATimeOutAFailureOrACloseWithoutReplyButAReplyStopsTheTimeOut)
{
    exchange.setCloseDelays(0, 70000);
    QStringList ends;
    exchange.onUnloaded = [&](ExchangeEnd end) { ends << QString::number(int(end)) + ' ' + status; };
    submit();
    socket(0).accept();
    fake.clock.advance(59999);
    EXPECT_TRUE(ends.isEmpty());
    fake.clock.advance(1);
    EXPECT_FALSE(socket(0).deliver(scrambleText(QStringLiteral("LATE:"))));
    submit();
    socket(1).fail(QStringLiteral("Connection refused"));
    submit();
    socket(2).accept();
    socket(2).remoteClose();
    EXPECT_TRUE(replies.isEmpty());
    EXPECT_EQ(ends, QStringList({"2 " + kTimeoutText, "1 Connection failed: Connection refused",
                                 "1 Connection failed: the server closed the connection without replying."}));

    // An update stays open long after its reply, and no time-out follows.
    submitUpdate();
    answer(3, QStringLiteral("UPDATE:SUCCESS:"));
    fake.clock.advance(70000);
    EXPECT_EQ(ends.size(), 4);
    EXPECT_EQ(ends.last(), "0 ");
}

// TCP keeps no message boundaries: a reply is whole at its line end, after a second of silence,
// or at the server's close.
TEST_F(ExchangeTest, AReplyInPiecesIsOneReplyAtItsLineEndAfterASecondOfSilenceOrAtTheClose)
{
    const QString wire = scrambleText(QStringLiteral("GETMYIP:10.0.0.1:"));
    for (int i = 0; i < 3; ++i) {
        submit();
        socket(i).accept();
        socket(i).deliver(wire.left(5));
        fake.clock.advance(900);
        socket(i).deliver(wire.mid(5).chopped(2));
        fake.clock.advance(999);
        EXPECT_EQ(replies.size(), i);
        if (i == 0)
            socket(i).deliver(QStringLiteral("\r\n"));
        else if (i == 1)
            fake.clock.advance(1);
        else
            socket(i).remoteClose();
        EXPECT_EQ(replies.value(i), "getMyIPCMD <- GETMYIP:10.0.0.1:");
        fake.clock.advance(250);
    }
}

TEST_F(ExchangeTest, AnOversizedReplyIsCutAtItsCommandsCap)
{
    submit();
    socket(0).accept();
    socket(0).deliver(QString(40000, 'X'));
    socket(0).deliver(QString(40000, 'X') + "\r\n");
    ASSERT_EQ(replies.size(), 1);
    EXPECT_EQ(replies[0].size(), QStringLiteral("getMyIPCMD <- ").size() + 64000);
    fake.clock.advance(250);

    // An update's reply is cut at half that.
    submitUpdate();
    socket(1).accept();
    socket(1).deliver(QString(33000, 'X'));
    EXPECT_EQ(replies.value(1).size(), QStringLiteral("updateGroupsCMD <- ").size() + 32000);
}

TEST_F(ExchangeTest, AGroupUpdateUnloadsHalfASecondAfterItsLastConnectionRepliedOrFailed)
{
    submitUpdate({"update:g1:", "update:g2:", "update:g3:"});
    for (int i = 0; i < 3; ++i) {
        socket(i).accept();
        EXPECT_EQ(socket(i).sent(), scrambleText(QStringLiteral("update:g%1:").arg(i + 1)));
    }
    socket(2).deliver(scrambleText(QStringLiteral("UPDATE:3:SUCCESS:")));
    fake.clock.advance(100);
    socket(0).fail();
    EXPECT_EQ(status, "group failed");
    fake.clock.advance(500);
    socket(1).deliver(scrambleText(QStringLiteral("UPDATE:2:SUCCESS:")));
    EXPECT_EQ(replies.size(), 2);
    fake.clock.advance(499);
    EXPECT_TRUE(exchange.isLoaded());
    fake.clock.advance(1);
    EXPECT_FALSE(exchange.isLoaded());
}

TEST_F(ExchangeTest, WaitingCommandsRunInTurnAndANewerOneOfATagTakesTheOldersPlace)
{
    submit(QStringLiteral("first:"));
    submit(QStringLiteral("old:"));
    submitUpdate();
    submit(QStringLiteral("new:"));
    for (const char* request : {"first:", "new:", "update:"}) {
        const int last = fake.sockets.count() - 1;
        answer(last, QStringLiteral("R:"));
        EXPECT_EQ(socket(last).sent(), scrambleText(QLatin1String(request)));
        fake.clock.advance(500);
    }
    EXPECT_EQ(fake.sockets.count(), 3);
}
