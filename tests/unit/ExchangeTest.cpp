#include "BuildConfig.h"
#include "core/net/ServerExchange.h"
#include "support/Engine.h"

using Scrambler::scrambleText;

namespace {

const QString kTimeoutText = QStringLiteral("Timeout expired...connection failed.");

const QString kMyIP = QStringLiteral("getMyIPCMD");
const QString kHosts = QStringLiteral("getHostsCMD");
const QString kVersion = QStringLiteral("checkVersionCMD");
const QString kNews = QStringLiteral("checkNewsCMD");
const QString kUpdate = QStringLiteral("updateGroupsCMD");

class ExchangeTest : public ::testing::Test
{
protected:
    ExchangeTest()
    {
        m_exchange.updateTag = kUpdate;
        // What the client does with the exchange's news, kept where these tests read it.
        QObject::connect(&m_exchange, &ServerExchange::started,
                         [this](const QString&, const QString& statusText) { statuses << statusText; });
        QObject::connect(&m_exchange, &ServerExchange::busyChanged, [this](bool busy) { exchangeBusy = busy; });
        QObject::connect(&m_exchange, &ServerExchange::failed,
                         [this](const QString& statusText, const QString& reason) {
                             statuses << statusText;
                             if (onFailure)
                                 onFailure(reason);
                         });
        QObject::connect(&m_exchange, &ServerExchange::groupFailed,
                         [this](const QString&, const QString&) { statuses << QStringLiteral(" Update failed"); });
        // Every processor records "tag <- reply", so these tests lean on no processor's own work.
        for (const QString& tag : {kMyIP, kHosts, kVersion, kNews, kUpdate}) {
            exchange().processors[tag] = [this, tag](const QString& reply, const QString&) {
                replies.append(tag + QStringLiteral(" <- ") + reply);
                if (auto hook = onReply)
                    hook(reply);
            };
        }
    }

    ServerExchange& exchange() { return m_exchange; }
    QString statusBar() const { return statuses.value(statuses.size() - 1); }
    FakeSocketRecord& socket(int creationIndex) { return fake.sockets.socket(creationIndex); }
    void submit(const QString& tag, const QString& request = QStringLiteral("request:"))
    {
        exchange().submit(ExchangeCommand{tag, tag + QStringLiteral(" status"), request, {}, serverHost, serverPort});
    }
    void submitUpdate(int groups)
    {
        std::vector<QString> requests;
        for (int i = 1; i <= groups; ++i)
            requests.push_back(QStringLiteral("update:u:p:g%1:1.2.3.4:").arg(i));
        exchange().submit(
            ExchangeCommand{kUpdate, QStringLiteral("Updating..."), {}, requests, serverHost, serverPort});
    }
    void answer(int creationIndex, const QString& plainReply)
    {
        socket(creationIndex).accept();
        socket(creationIndex).deliver(scrambleText(plainReply));
    }

    FakeCorePlatform fake;
    // What the client would show and keep of the exchange's news.
    QStringList statuses;
    bool exchangeBusy = false;
    std::function<void(const QString& reason)> onFailure;
    QString serverHost = QStringLiteral("cmd.example");
    quint16 serverPort = 4000;
    ServerExchange m_exchange{fake.platform};
    QStringList replies;
    std::function<void(const QString&)> onReply;
};

} // namespace

TEST_F(ExchangeTest, SingleCommandSendsItsScrambledRequestAndClosesAQuarterSecondAfterTheReply)
{
    submit(kVersion, QStringLiteral("checkVersion:u:p:"));
    EXPECT_EQ(statusBar(), QStringLiteral("checkVersionCMD status"));
    ASSERT_EQ(fake.sockets.count(), 1);
    EXPECT_EQ(socket(0).remoteHost() + ':' + QString::number(socket(0).remotePort()), "cmd.example:4000");

    socket(0).accept();
    EXPECT_EQ(socket(0).sends(), QStringList{scrambleText(QStringLiteral("checkVersion:u:p:"))});
    socket(0).deliver(scrambleText(QStringLiteral("CHECKVERSION:2.1.3:")));
    EXPECT_EQ(replies, QStringList{"checkVersionCMD <- CHECKVERSION:2.1.3:"});

    fake.clock.advance(249);
    EXPECT_TRUE(exchange().isLoaded());
    fake.clock.advance(1);
    EXPECT_FALSE(exchangeBusy);
    EXPECT_TRUE(socket(0).isDestroyed());

    // An empty server host falls back to the built-in server.
    serverHost.clear();
    submit(kHosts);
    EXPECT_EQ(socket(1).remoteHost(), QString::fromUtf8(BuildConfig::serverHost));
    EXPECT_EQ(socket(1).remotePort(), BuildConfig::serverPort);
}

TEST_F(ExchangeTest, NoReplyWithinAMinuteEndsInTheTimeoutAndFreesTheExchange)
{
    // A single command, then a group update: the server takes every connection and never answers.
    QStringList told;
    onFailure = [&told](const QString& reason) { told << reason; };
    for (const bool update : {false, true}) {
        const int first = fake.sockets.count();
        if (update)
            submitUpdate(2);
        else
            submit(kHosts);
        for (int i = first; i < fake.sockets.count(); ++i)
            socket(i).accept();
        fake.clock.advance(59999);
        EXPECT_TRUE(exchangeBusy) << update;
        fake.clock.advance(1);
        EXPECT_FALSE(exchangeBusy) << update;
        EXPECT_EQ(statusBar(), kTimeoutText) << update;
        EXPECT_FALSE(socket(first).deliver(scrambleText(QStringLiteral("LATE:")))) << update;
    }
    EXPECT_TRUE(replies.isEmpty());
    EXPECT_EQ(told, QStringList(2, "the server did not answer"));

    // Once the reply is in, the minute no longer counts, however long the exchange stays open.
    exchange().setCloseDelays(70000, 70000);
    submit(kMyIP);
    answer(fake.sockets.count() - 1, QStringLiteral("GETMYIP:10.0.0.1:"));
    EXPECT_EQ(replies, QStringList{"getMyIPCMD <- GETMYIP:10.0.0.1:"});
    fake.clock.advance(70000);
    EXPECT_NE(statusBar(), kTimeoutText);
}

TEST_F(ExchangeTest, FailedConnectionOrCloseWithoutReplyEndsAtOnceWithItsReason)
{
    submit(kMyIP);
    socket(0).fail(QStringLiteral("Connection refused"));
    EXPECT_FALSE(exchangeBusy);
    EXPECT_EQ(statusBar(), QStringLiteral("Connection failed: Connection refused"));

    submit(kMyIP);
    socket(1).accept();
    socket(1).remoteClose();
    EXPECT_FALSE(exchangeBusy);
    EXPECT_EQ(statusBar(), QStringLiteral("Connection failed: the server closed the connection without replying."));
    fake.clock.advance(60000);
    EXPECT_NE(statusBar(), kTimeoutText);
    EXPECT_TRUE(replies.isEmpty());
}

// TCP keeps no message boundaries: a reply is whole at its line end, at the server's close, or
// after a second of silence.
TEST_F(ExchangeTest, ReplyInPiecesIsOneReplyAtItsLineEndAfterASecondOfSilenceOrAtTheServersClose)
{
    submit(kHosts);
    socket(0).accept();
    const QString wire = scrambleText(QStringLiteral("GETHOSTS:GHOME:HPC1:"));
    socket(0).deliver(wire.left(7));
    fake.clock.advance(900);
    socket(0).deliver(wire.mid(7, 5));
    fake.clock.advance(900);
    EXPECT_TRUE(replies.isEmpty());
    socket(0).deliver(wire.mid(12));
    EXPECT_EQ(replies, QStringList{"getHostsCMD <- GETHOSTS:GHOME:HPC1:"});
    fake.clock.advance(2000);

    const QString unended = scrambleText(QStringLiteral("GETMYIP:10.0.0.1:")).chopped(2);
    submit(kMyIP);
    socket(1).accept();
    socket(1).deliver(unended);
    fake.clock.advance(999);
    EXPECT_EQ(replies.size(), 1);
    fake.clock.advance(1);
    EXPECT_EQ(replies.last(), "getMyIPCMD <- GETMYIP:10.0.0.1:");

    fake.clock.advance(250);
    submit(kMyIP);
    socket(2).accept();
    socket(2).deliver(unended);
    socket(2).remoteClose();
    EXPECT_EQ(replies.size(), 3);
    EXPECT_TRUE(exchangeBusy);
}

TEST_F(ExchangeTest, OversizedRepliesAreCutAtTheirCap)
{
    submit(kHosts);
    socket(0).accept();
    socket(0).deliver(QString(40000, 'X'));
    socket(0).deliver(QString(40000, 'X') + "\r\n");
    ASSERT_EQ(replies.size(), 1);
    EXPECT_EQ(replies[0].size(), QStringLiteral("getHostsCMD <- ").size() + 64000);
    EXPECT_EQ(socket(0).unread(), 0);

    fake.clock.advance(250);
    submitUpdate(1);
    socket(1).accept();
    socket(1).deliver(QString(33000, 'X'));
    ASSERT_EQ(replies.size(), 2);
    EXPECT_EQ(replies[1].size(), QStringLiteral("updateGroupsCMD <- ").size() + 32000);
}

TEST_F(ExchangeTest, GroupUpdateClosesHalfASecondAfterTheLastConnectionHasRepliedOrFailed)
{
    submitUpdate(3);
    for (int i = 0; i < 3; ++i) {
        socket(i).accept();
        EXPECT_EQ(socket(i).sent(), scrambleText(QStringLiteral("update:u:p:g%1:1.2.3.4:").arg(i + 1)));
    }
    socket(2).deliver(scrambleText(QStringLiteral("UPDATE:3:SUCCESS:")));
    fake.clock.advance(100);
    // A failed connection fails its group's update, but brings no reply.
    socket(0).fail(QStringLiteral("Connection reset by peer"));
    EXPECT_TRUE(socket(0).isClosed());
    EXPECT_EQ(statusBar(), QStringLiteral(" Update failed"));
    fake.clock.advance(500);
    socket(1).deliver(scrambleText(QStringLiteral("UPDATE:2:SUCCESS:")));

    EXPECT_EQ(replies, (QStringList{"updateGroupsCMD <- UPDATE:3:SUCCESS:", "updateGroupsCMD <- UPDATE:2:SUCCESS:"}));
    fake.clock.advance(499);
    EXPECT_TRUE(exchangeBusy);
    fake.clock.advance(1);
    EXPECT_FALSE(exchangeBusy);
}

TEST_F(ExchangeTest, WaitingCommandsRunInTurnAndANewerOneOfATagTakesTheOldersPlace)
{
    submit(kHosts);
    submit(kMyIP, QStringLiteral("getMyIP:old:"));
    submit(kNews);
    submit(kMyIP, QStringLiteral("getMyIP:new:"));
    const QString tags[] = {kHosts, kMyIP, kNews};
    const QString requests[] = {QStringLiteral("request:"), QStringLiteral("getMyIP:new:"), QStringLiteral("request:")};
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(fake.sockets.count(), i + 1);
        EXPECT_EQ(statusBar(), tags[i] + QStringLiteral(" status"));
        answer(i, QStringLiteral("REPLY:%1:").arg(i));
        EXPECT_EQ(socket(i).sent(), scrambleText(requests[i]));
        EXPECT_EQ(replies.last(), tags[i] + QStringLiteral(" <- REPLY:%1:").arg(i));
        fake.clock.advance(250);
    }
    EXPECT_EQ(fake.sockets.count(), 3);
}

// A processor runs once the socket's handler has returned, and a box it opens holds up nothing.
TEST_F(ExchangeTest, ProcessorRunsAfterTheSocketEventAndItsBoxHoldsUpNothing)
{
    bool ranInsideSocketHandler = false;
    onReply = [this, &ranInsideSocketHandler](const QString&) {
        ranInsideSocketHandler = ranInsideSocketHandler || socket(0).inHandler();
        fake.messageBoxes.show(QStringLiteral("No update(s) available at this time."),
                               QStringLiteral("Check for update..."), MsgButtons::Ok, MsgIcon::Information);
        onReply = nullptr;
    };
    submit(kVersion);
    submit(kMyIP);
    answer(0, QStringLiteral("CHECKVERSION:2.1.3:"));
    EXPECT_EQ(replies.size(), 1);
    EXPECT_FALSE(ranInsideSocketHandler);

    // The box stays open: the exchange closes on time, the next command runs and is answered,
    // and no time-out follows.
    fake.clock.advance(250);
    EXPECT_TRUE(socket(0).isDestroyed());
    answer(1, QStringLiteral("GETMYIP:10.0.0.1:"));
    fake.clock.advance(60000);
    EXPECT_EQ(fake.messageBoxes.openCount(), 1);
    EXPECT_EQ(replies.size(), 2);
    EXPECT_FALSE(exchangeBusy);
    EXPECT_NE(statusBar(), kTimeoutText);
}

TEST_F(ExchangeTest, WithoutCloseDelaysItUnloadsOnceTheProcessorHasRunAndTellsHowItEnded)
{
    exchange().setCloseDelays(0, 0);
    exchange().setTimeout(5000);
    QStringList ends;
    exchange().onUnloaded = [&](ExchangeEnd end) {
        EXPECT_FALSE(exchangeBusy);
        ends.append(QStringLiteral("%1 after %2 replies").arg(int(end)).arg(replies.size()));
    };
    onReply = [this](const QString&) { EXPECT_TRUE(exchange().isLoaded()); };

    submit(kHosts, QStringLiteral("getHosts:u:p:"));
    answer(0, QStringLiteral("GETHOSTS:"));
    EXPECT_FALSE(exchangeBusy);

    submitUpdate(2);
    answer(1, QStringLiteral("UPDATE:G1:1.2.3.4:SUCCESS:"));
    EXPECT_TRUE(exchangeBusy);
    answer(2, QStringLiteral("UPDATE:G2:1.2.3.4:SUCCESS:"));
    EXPECT_FALSE(exchangeBusy);

    submit(kMyIP, QStringLiteral("getMyIP:u:p:"));
    socket(3).fail();
    submit(kNews, QStringLiteral("checkNews:u:p:"));
    fake.clock.advance(4999);
    EXPECT_TRUE(exchangeBusy);
    fake.clock.advance(1);
    EXPECT_EQ(statusBar(), kTimeoutText);

    EXPECT_EQ(ends, QStringList({"0 after 1 replies", "0 after 3 replies", "1 after 3 replies", "2 after 3 replies"}));
}
