#include "core/protocol/Scrambler.h"
#include "support/ServerProcess.h"

#include <QFile>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using Scrambler::scrambleText;
using Scrambler::unscrambleText;

namespace {

// Each piece of the reply as it arrived, until the server closes the connection.
QList<QByteArray> talk(quint16 port, const QString& plainRequest)
{
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!socket.waitForConnected(5000))
        return {};
    socket.write(scrambleText(plainRequest).toLatin1());
    QList<QByteArray> pieces;
    while (socket.waitForReadyRead(5000))
        pieces.append(socket.readAll());
    return pieces;
}

QString plainReply(quint16 port, const QString& plainRequest)
{
    return unscrambleText(QString::fromLatin1(talk(port, plainRequest).join()));
}

void expectReplies(quint16 port, std::initializer_list<std::pair<QString, QString>> exchanges)
{
    for (const auto& [request, reply] : exchanges)
        EXPECT_EQ(plainReply(port, request), reply) << request.toStdString();
}

} // namespace

TEST(ReferenceServerTest, DemoAccountIsAnsweredWithTheConfiguredTextsAndAWrongPasswordOrCommandRefused)
{
    ServerProcess server({"--version-reply", "3.0.1", "--news", "http://127.0.0.1/news.html:Maintenance: tonight"});
    ASSERT_TRUE(server.isListening());
    expectReplies(server.commandPort(),
                  {{"getMyIP:u:p:", "GETMYIP:127.0.0.1:"},
                   {"getHosts:demo:demo:", "GETHOSTS:GHOME:HPC1:HPC2:GOFFICE:HSERVER:"},
                   {"getHosts:demo:wrong:", "ERROR:INVALIDUSER:"},
                   {"update:demo:wrong:gHOME:1.2.3.4:", "UPDATE:ERROR:INVALIDUSER:"},
                   {"hello:", "ERROR:UNKNOWNCOMMAND:"},
                   {"checkVersion:u:p:", "CHECKVERSION:3.0.1:"},
                   {"checkNews:u:p:", "CHECKNEWS:HTTP://127.0.0.1/NEWS.HTML:MAINTENANCE: TONIGHT:"}});
    EXPECT_EQ(server.requests().value(0), "GETMYIP:U:P:");
}

TEST(ReferenceServerTest, UpdateOfAGroupFromTheAccountsFileIsRecordedAndABrokenFileStopsTheServer)
{
    QTemporaryDir dir;
    QFile accounts(dir.filePath("accounts.txt"));
    const auto writeAccounts = [&accounts](const QByteArray& text) {
        accounts.open(QIODevice::WriteOnly);
        accounts.write(text);
        accounts.close();
    };
    writeAccounts("# test account\naccount alice secret\ngroup cabin\nhost nas\ngroup \xc2\xb5net\n");
    QFile records(dir.filePath("records.txt"));

    ServerProcess server({"--accounts", accounts.fileName(), "--records", records.fileName()});
    ASSERT_TRUE(server.isListening());
    expectReplies(server.commandPort(), {{"getHosts:ALICE:SECRET:", "GETHOSTS:GCABIN:HNAS:GµNET:"},
                                         {"update:alice:secret:gCabin:10.0.0.7:", "UPDATE:CABIN:10.0.0.7:SUCCESS:"},
                                         {"update:alice:secret:gµnet:10.0.0.7:", "UPDATE:µNET:10.0.0.7:SUCCESS:"},
                                         {"update:alice:secret:gHOME:10.0.0.7:", "UPDATE:ERROR:NOSUCHGROUP:"},
                                         {"update:alice:secret:xcabin:10.0.0.7:", "UPDATE:ERROR:NOSUCHGROUP:"}});
    EXPECT_TRUE(server.waitForLine("UPDATED ALICE CABIN 10.0.0.7"));
    ASSERT_TRUE(records.open(QIODevice::ReadOnly));
    const QList<QByteArray> recordLines = records.readAll().trimmed().split('\n');
    ASSERT_EQ(recordLines.size(), 2);
    EXPECT_TRUE(recordLines.first().startsWith("ALICE CABIN 10.0.0.7 ")) << recordLines.first().constData();

    writeAccounts("account alice secret\nhost nas\n");
    EXPECT_FALSE(ServerProcess({"--accounts", accounts.fileName()}).isListening()) << "a host before any group";
}

TEST(ReferenceServerTest, MisbehavioursShapeTheReplyAsAskedAndOnlyForTheNamedCommand)
{
    ServerProcess split({"--split", "3", "--split-gap", "150"});
    ServerProcess only({"--close-without-reply", "--only", "getHosts"});
    ServerProcess oversized({"--oversized", "70000"});
    ServerProcess binary({"--binary", "300"});
    ASSERT_TRUE(split.isListening() && only.isListening() && oversized.isListening() && binary.isListening());

    const QList<QByteArray> pieces = talk(split.commandPort(), "getHosts:demo:demo:");
    EXPECT_EQ(pieces.size(), 3);
    EXPECT_EQ(unscrambleText(QString::fromLatin1(pieces.join())), "GETHOSTS:GHOME:HPC1:HPC2:GOFFICE:HSERVER:");
    expectReplies(only.commandPort(),
                  {{"getHosts:demo:demo:", ""}, {"checkVersion:demo:demo:", "CHECKVERSION:2.1.3:"}});
    EXPECT_EQ(talk(oversized.commandPort(), "getMyIP:u:p:").join().size(), 70000);
    const QByteArray junk = talk(binary.commandPort(), "getMyIP:u:p:").join();
    EXPECT_EQ(junk.size(), 300);
    EXPECT_TRUE(junk.contains('\0') && junk.contains('\xff'));
}
