#include "core/protocol/Scrambler.h"
#include "support/ServerProcess.h"

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

void expectReplies(quint16 port, std::initializer_list<std::pair<const char*, const char*>> exchanges)
{
    for (const auto& [request, reply] : exchanges)
        EXPECT_EQ(plainReply(port, QString::fromUtf8(request)), QString::fromUtf8(reply)) << request;
}

} // namespace

TEST(ReferenceServerTest, DemoAccountIsAnsweredWithTheConfiguredTextsAndAWrongPasswordOrCommandRefused)
{
    ServerProcess server({"--version-reply", "3.0.1", "--news", "http://127.0.0.1/news.html:Maintenance: tonight"});
    ASSERT_TRUE(server.isListening());
    EXPECT_EQ(exchange(server.commandPort(), "getMyIP:u:p:"), scrambleText("GETMYIP:127.0.0.1:").toLatin1());
    EXPECT_EQ(server.requests(), QStringList{"GETMYIP:U:P:"});
    expectReplies(server.commandPort(),
                  {
                      {"getHosts:demo:demo:", "GETHOSTS:GHOME:HPC1:HPC2:GOFFICE:HSERVER:"},
                      {"getHosts:demo:wrong:", "ERROR:INVALIDUSER:"},
                      {"update:demo:wrong:gHOME:1.2.3.4:", "UPDATE:ERROR:INVALIDUSER:"},
                      {"hello:", "ERROR:UNKNOWNCOMMAND:"},
                      {"checkVersion:u:p:", "CHECKVERSION:3.0.1:"},
                      {"checkNews:u:p:", "CHECKNEWS:HTTP://127.0.0.1/NEWS.HTML:MAINTENANCE: TONIGHT:"},
                  });
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
    expectReplies(server.commandPort(), {
                                            {"getHosts:ALICE:SECRET:", "GETHOSTS:GCABIN:HNAS:GµNET:"},
                                            {"update:alice:secret:gCabin:10.0.0.7:", "UPDATE:CABIN:10.0.0.7:SUCCESS:"},
                                            {"update:alice:secret:gµnet:10.0.0.7:", "UPDATE:µNET:10.0.0.7:SUCCESS:"},
                                            {"update:alice:secret:gHOME:10.0.0.7:", "UPDATE:ERROR:NOSUCHGROUP:"},
                                            // The group field names a group only with its "G" marker.
                                            {"update:alice:secret:xcabin:10.0.0.7:", "UPDATE:ERROR:NOSUCHGROUP:"},
                                        });
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

    EXPECT_EQ(exchange(oversized.commandPort(), "getMyIP:u:p:").size(), 70000);
    const QByteArray junk = exchange(binary.commandPort(), "getMyIP:u:p:");
    EXPECT_EQ(junk.size(), 300);
    EXPECT_TRUE(junk.contains('\0') && junk.contains('\xff'));
}
