#include "core/protocol/Scrambler.h"
#include "support/ServerProcess.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using Scrambler::scrambleText;
using Scrambler::unscrambleText;

namespace {

constexpr int kWaitMs = 5000;

// Sends the bytes and returns each piece of data as it arrived, until the server closes the connection.
QList<QByteArray> talk(quint16 port, const QByteArray& bytes)
{
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!socket.waitForConnected(kWaitMs))
        return {};
    socket.write(bytes);
    QList<QByteArray> pieces;
    while (socket.waitForReadyRead(kWaitMs))
        pieces.append(socket.readAll());
    return pieces;
}

QByteArray exchange(quint16 port, const QString& plainRequest)
{
    return talk(port, scrambleText(plainRequest).toLatin1()).join();
}

QString plainReply(quint16 port, const QString& plainRequest)
{
    return unscrambleText(QString::fromLatin1(exchange(port, plainRequest)));
}

} // namespace

TEST(ReferenceServerTest, DemoAccountIsAnsweredWithTheConfiguredTextsAndAWrongPasswordOrCommandRefused)
{
    ServerProcess server({"--version-reply", "3.0.1", "--news", "http://127.0.0.1/news.html:Maintenance: tonight"});
    ASSERT_TRUE(server.isListening());
    EXPECT_EQ(exchange(server.commandPort(), "getMyIP:u:p:"), scrambleText("GETMYIP:127.0.0.1:").toLatin1());
    EXPECT_EQ(server.requests(), QStringList{"GETMYIP:U:P:"});
    const std::pair<const char*, const char*> exchanges[] = {
        {"getHosts:demo:demo:", "GETHOSTS:GHOME:HPC1:HPC2:GOFFICE:HSERVER:"},
        {"getHosts:demo:wrong:", "ERROR:INVALIDUSER:"},
        {"update:demo:wrong:gHOME:1.2.3.4:", "UPDATE:ERROR:INVALIDUSER:"},
        {"hello:", "ERROR:UNKNOWNCOMMAND:"},
        {"checkVersion:u:p:", "CHECKVERSION:3.0.1:"},
        {"checkNews:u:p:", "CHECKNEWS:HTTP://127.0.0.1/NEWS.HTML:MAINTENANCE: TONIGHT:"},
    };
    for (const auto& [request, reply] : exchanges)
        EXPECT_EQ(plainReply(server.commandPort(), request), reply) << request;
}

TEST(ReferenceServerTest, UpdateOfAGroupFromTheAccountsFileIsRecordedAndABrokenFileStopsTheServer)
{
    QTemporaryDir dir;
    QFile accounts(dir.filePath("accounts.txt"));
    ASSERT_TRUE(accounts.open(QIODevice::WriteOnly));
    accounts.write("# test account\naccount alice secret\ngroup cabin\nhost nas\ngroup \xc2\xb5net\n");
    accounts.close();
    const QString recordsPath = dir.filePath("records.txt");

    ServerProcess server({"--accounts", accounts.fileName(), "--records", recordsPath});
    ASSERT_TRUE(server.isListening());
    const std::pair<const char*, const char*> exchanges[] = {
        {"getHosts:ALICE:SECRET:", "GETHOSTS:GCABIN:HNAS:GµNET:"},
        {"update:alice:secret:gCabin:10.0.0.7:", "UPDATE:CABIN:10.0.0.7:SUCCESS:"},
        {"update:alice:secret:gµnet:10.0.0.7:", "UPDATE:µNET:10.0.0.7:SUCCESS:"},
        {"update:alice:secret:gHOME:10.0.0.7:", "UPDATE:ERROR:NOSUCHGROUP:"},
        // The group field names a group only with its "G" marker.
        {"update:alice:secret:xcabin:10.0.0.7:", "UPDATE:ERROR:NOSUCHGROUP:"},
    };
    for (const auto& [request, reply] : exchanges)
        EXPECT_EQ(plainReply(server.commandPort(), QString::fromUtf8(request)), QString::fromUtf8(reply)) << request;
    EXPECT_TRUE(server.waitForLine("UPDATED ALICE CABIN 10.0.0.7"));

    QFile records(recordsPath);
    ASSERT_TRUE(records.open(QIODevice::ReadOnly));
    const QList<QByteArray> recordLines = records.readAll().trimmed().split('\n');
    ASSERT_EQ(recordLines.size(), 2);
    EXPECT_TRUE(recordLines.first().startsWith("ALICE CABIN 10.0.0.7 ")) << recordLines.first().constData();

    // A host before any group.
    ASSERT_TRUE(accounts.open(QIODevice::WriteOnly));
    accounts.write("account alice secret\nhost nas\n");
    accounts.close();
    EXPECT_FALSE(ServerProcess({"--accounts", accounts.fileName()}).isListening());
}

TEST(ReferenceServerTest, MisbehavioursShapeTheReplyAsAskedAndOnlyForTheNamedCommand)
{
    ServerProcess split({"--split", "3", "--split-gap", "150"});
    ServerProcess only({"--close-without-reply", "--only", "getHosts"});
    ServerProcess oversized({"--oversized", "70000"});
    ServerProcess binary({"--binary", "300"});
    ASSERT_TRUE(split.isListening() && only.isListening() && oversized.isListening() && binary.isListening());

    const QList<QByteArray> pieces = talk(split.commandPort(), scrambleText("getHosts:demo:demo:").toLatin1());
    EXPECT_EQ(pieces.size(), 3);
    EXPECT_EQ(unscrambleText(QString::fromLatin1(pieces.join())), "GETHOSTS:GHOME:HPC1:HPC2:GOFFICE:HSERVER:");

    EXPECT_TRUE(exchange(only.commandPort(), "getHosts:demo:demo:").isEmpty());
    EXPECT_EQ(plainReply(only.commandPort(), "checkVersion:demo:demo:"), "CHECKVERSION:2.1.3:");

    const QByteArray big = exchange(oversized.commandPort(), "getMyIP:u:p:");
    EXPECT_EQ(big.size(), 70000);
    EXPECT_TRUE(big.endsWith("\r\n"));
    const QByteArray junk = exchange(binary.commandPort(), "getMyIP:u:p:");
    EXPECT_EQ(junk.size(), 300);
    EXPECT_TRUE(junk.contains('\0') && junk.contains('\xff'));
}

TEST(ReferenceServerTest, DelayedOrWithheldRepliesComeLateOrNever)
{
    ServerProcess silent({"--never-reply"});
    ServerProcess resetting({"--refuse"});
    ServerProcess delayed({"--delay", "300"});
    ASSERT_TRUE(silent.isListening() && resetting.isListening() && delayed.isListening());

    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_EQ(plainReply(delayed.commandPort(), "getMyIP:u:p:"), "GETMYIP:127.0.0.1:");
    EXPECT_GE(elapsed.elapsed(), 300);

    QTcpSocket held;
    QTcpSocket reset;
    for (auto [socket, port] : {std::pair(&held, silent.commandPort()), std::pair(&reset, resetting.commandPort())}) {
        socket->connectToHost(QStringLiteral("127.0.0.1"), port);
        ASSERT_TRUE(socket->waitForConnected(kWaitMs));
        socket->write(scrambleText("getMyIP:u:p:").toLatin1());
    }
    EXPECT_TRUE(silent.waitForLine("REQUEST GETMYIP:U:P:"));
    EXPECT_FALSE(held.waitForReadyRead(300));
    EXPECT_EQ(held.state(), QAbstractSocket::ConnectedState);
    EXPECT_FALSE(reset.waitForReadyRead(kWaitMs));
    EXPECT_EQ(reset.bytesAvailable(), 0);
    EXPECT_EQ(reset.error(), QAbstractSocket::RemoteHostClosedError);
}

TEST(ReferenceServerTest, WebPagesAreServedInAnyCaseAndUnknownPathsAreNotFound)
{
    ServerProcess server;
    ASSERT_TRUE(server.isListening());
    const auto get = [&server](const QByteArray& path) {
        return talk(server.httpPort(), "GET " + path + " HTTP/1.1\r\nHost: localhost\r\n\r\n").join();
    };
    const QByteArray faq = get("/FAQ.php");
    EXPECT_TRUE(faq.startsWith("HTTP/1.1 200 OK\r\n"));
    EXPECT_TRUE(faq.contains("<title>Frequently Asked Questions</title>"));
    const QByteArray download = get("/downloads/Veltaro.exe");
    EXPECT_TRUE(download.contains("Content-Type: application/octet-stream\r\n"));
    EXPECT_TRUE(download.contains("Content-Disposition: attachment"));
    EXPECT_TRUE(get("/nothing.html").startsWith("HTTP/1.1 404 Not Found\r\n"));
    EXPECT_TRUE(server.waitForLine("HTTP GET /nothing.html"));
}
