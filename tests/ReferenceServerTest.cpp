#include "ServerProcess.h"
#include "state/Scrambling.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using Common_Functions::scrambleText;
using Common_Functions::unscrambleText;

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

// An accounts file in the folder.
QString writeFile(const QTemporaryDir& dir, const QByteArray& contents)
{
    QFile file(dir.filePath(QStringLiteral("accounts.txt")));
    file.open(QIODevice::WriteOnly);
    file.write(contents);
    return file.fileName();
}

QByteArray httpGet(quint16 port, const QByteArray& path)
{
    return talk(port, "GET " + path + " HTTP/1.1\r\nHost: localhost\r\n\r\n").join();
}

} // namespace

TEST(ReferenceServerTest, DemoAccountIsAnsweredWithTheConfiguredTextsAndAWrongPasswordOrCommandRefused)
{
    ServerProcess server({QStringLiteral("--version-reply"), QStringLiteral("3.0.1"), QStringLiteral("--news"),
                          QStringLiteral("http://127.0.0.1/news.html:Maintenance: tonight")});
    ASSERT_TRUE(server.isListening());
    EXPECT_EQ(exchange(server.commandPort(), QStringLiteral("getMyIP:u:p:")),
              scrambleText(QStringLiteral("GETMYIP:127.0.0.1:")).toLatin1());
    EXPECT_EQ(server.requests(), QStringList{QStringLiteral("GETMYIP:U:P:")});
    EXPECT_EQ(plainReply(server.commandPort(), QStringLiteral("getHosts:demo:demo:")),
              QStringLiteral("GETHOSTS:GHOME:HPC1:HPC2:GOFFICE:HSERVER:"));
    EXPECT_EQ(plainReply(server.commandPort(), QStringLiteral("getHosts:demo:wrong:")),
              QStringLiteral("ERROR:INVALIDUSER:"));
    EXPECT_EQ(plainReply(server.commandPort(), QStringLiteral("update:demo:wrong:gHOME:1.2.3.4:")),
              QStringLiteral("UPDATE:ERROR:INVALIDUSER:"));
    EXPECT_EQ(plainReply(server.commandPort(), QStringLiteral("hello:")), QStringLiteral("ERROR:UNKNOWNCOMMAND:"));
    EXPECT_EQ(plainReply(server.commandPort(), QStringLiteral("checkVersion:u:p:")),
              QStringLiteral("CHECKVERSION:3.0.1:"));
    EXPECT_EQ(plainReply(server.commandPort(), QStringLiteral("checkNews:u:p:")),
              QStringLiteral("CHECKNEWS:HTTP://127.0.0.1/NEWS.HTML:MAINTENANCE: TONIGHT:"));
}

TEST(ReferenceServerTest, UpdateOfAGroupFromTheAccountsFileIsRecorded)
{
    QTemporaryDir dir;
    const QString accountsPath =
        writeFile(dir, "# test account\naccount alice secret\ngroup cabin\nhost nas\ngroup \xc2\xb5net\n");
    const QString recordsPath = dir.filePath(QStringLiteral("records.txt"));

    ServerProcess server({QStringLiteral("--accounts"), accountsPath, QStringLiteral("--records"), recordsPath});
    ASSERT_TRUE(server.isListening());
    EXPECT_EQ(plainReply(server.commandPort(), QStringLiteral("getHosts:ALICE:SECRET:")),
              QStringLiteral("GETHOSTS:GCABIN:HNAS:GµNET:"));
    EXPECT_EQ(plainReply(server.commandPort(), QStringLiteral("update:alice:secret:gCabin:10.0.0.7:")),
              QStringLiteral("UPDATE:CABIN:10.0.0.7:SUCCESS:"));
    EXPECT_EQ(plainReply(server.commandPort(), QStringLiteral("update:alice:secret:gµnet:10.0.0.7:")),
              QStringLiteral("UPDATE:µNET:10.0.0.7:SUCCESS:"));
    EXPECT_EQ(plainReply(server.commandPort(), QStringLiteral("update:alice:secret:gHOME:10.0.0.7:")),
              QStringLiteral("UPDATE:ERROR:NOSUCHGROUP:"));
    EXPECT_TRUE(server.waitForLine(QStringLiteral("UPDATED ALICE CABIN 10.0.0.7")));

    QFile records(recordsPath);
    ASSERT_TRUE(records.open(QIODevice::ReadOnly));
    const QList<QByteArray> recordLines = records.readAll().trimmed().split('\n');
    ASSERT_EQ(recordLines.size(), 2);
    EXPECT_TRUE(recordLines.first().startsWith("ALICE CABIN 10.0.0.7 ")) << recordLines.first().constData();
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
    EXPECT_EQ(unscrambleText(QString::fromLatin1(pieces.join())),
              QStringLiteral("GETHOSTS:GHOME:HPC1:HPC2:GOFFICE:HSERVER:"));

    EXPECT_TRUE(exchange(only.commandPort(), QStringLiteral("getHosts:demo:demo:")).isEmpty());
    EXPECT_EQ(plainReply(only.commandPort(), QStringLiteral("checkVersion:demo:demo:")),
              QStringLiteral("CHECKVERSION:2.1.3:"));

    const QByteArray big = exchange(oversized.commandPort(), QStringLiteral("getMyIP:u:p:"));
    EXPECT_EQ(big.size(), 70000);
    EXPECT_TRUE(big.endsWith("\r\n"));
    const QByteArray junk = exchange(binary.commandPort(), QStringLiteral("getMyIP:u:p:"));
    EXPECT_EQ(junk.size(), 300);
    EXPECT_TRUE(junk.contains('\0') && junk.contains('\xff'));
}

TEST(ReferenceServerTest, WebPagesAreServedInAnyCaseAndUnknownPathsAreNotFound)
{
    ServerProcess server;
    ASSERT_TRUE(server.isListening());
    const QByteArray faq = httpGet(server.httpPort(), "/FAQ.php");
    EXPECT_TRUE(faq.startsWith("HTTP/1.1 200 OK\r\n"));
    EXPECT_TRUE(faq.contains("<title>Frequently Asked Questions</title>"));
    const QByteArray download = httpGet(server.httpPort(), "/downloads/Veltaro.exe");
    EXPECT_TRUE(download.contains("Content-Type: application/octet-stream\r\n"));
    EXPECT_TRUE(download.contains("Content-Disposition: attachment"));
    EXPECT_TRUE(httpGet(server.httpPort(), "/nothing.html").startsWith("HTTP/1.1 404 Not Found\r\n"));
    EXPECT_TRUE(server.waitForLine(QStringLiteral("HTTP GET /nothing.html")));
}

TEST(ReferenceServerTest, DelayedOrWithheldRepliesComeLateOrNever)
{
    ServerProcess silent({QStringLiteral("--never-reply")});
    ServerProcess resetting({QStringLiteral("--refuse")});
    ServerProcess delayed({QStringLiteral("--delay"), QStringLiteral("300")});
    ASSERT_TRUE(silent.isListening() && resetting.isListening() && delayed.isListening());

    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_EQ(plainReply(delayed.commandPort(), QStringLiteral("getMyIP:u:p:")), QStringLiteral("GETMYIP:127.0.0.1:"));
    EXPECT_GE(elapsed.elapsed(), 300);

    QTcpSocket held;
    held.connectToHost(QStringLiteral("127.0.0.1"), silent.commandPort());
    ASSERT_TRUE(held.waitForConnected(kWaitMs));
    held.write(scrambleText(QStringLiteral("getMyIP:u:p:")).toLatin1());
    EXPECT_TRUE(silent.waitForLine(QStringLiteral("REQUEST GETMYIP:U:P:")));
    EXPECT_FALSE(held.waitForReadyRead(300));
    EXPECT_EQ(held.state(), QAbstractSocket::ConnectedState);

    QTcpSocket reset;
    reset.connectToHost(QStringLiteral("127.0.0.1"), resetting.commandPort());
    ASSERT_TRUE(reset.waitForConnected(kWaitMs));
    reset.write(scrambleText(QStringLiteral("getMyIP:u:p:")).toLatin1());
    EXPECT_FALSE(reset.waitForReadyRead(kWaitMs));
    EXPECT_EQ(reset.bytesAvailable(), 0);
    EXPECT_EQ(reset.error(), QAbstractSocket::RemoteHostClosedError);
}

TEST(ReferenceServerTest, BrokenAccountsFileStopsTheServerBeforeItListens)
{
    QTemporaryDir dir;
    ServerProcess server({QStringLiteral("--accounts"), writeFile(dir, "account alice secret\nhost nas\n")});
    EXPECT_FALSE(server.isListening());
}
