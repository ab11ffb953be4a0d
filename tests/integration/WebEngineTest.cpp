#include "support/ServerProcess.h"
#include "support/TestSupport.h"

#include "core/platform/WebMessages.h"
#include "core/platform/qt/QtTimers.h"
#include "desktop/platform/qt/QtBrowser.h"
#include "desktop/web/WebWindow.h"

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>

namespace {

constexpr int kPageTimeoutMs = 30000;
const QString kEnded = QStringLiteral("The web page is gone: its browser has stopped.");

class TemporaryDesktop : public FakeDesktop
{
public:
    QString downloadFolder() const override { return folder.path(); }
    QTemporaryDir folder;
};

// The process ids of this test's own child processes called `name`: tests running beside this one
// start helpers of their own.
QList<qint64> processesNamed(const QString& name)
{
    QProcess pgrep;
    pgrep.start(QStringLiteral("pgrep"), {QStringLiteral("-x"), QStringLiteral("-P"),
                                          QString::number(QCoreApplication::applicationPid()), name});
    pgrep.waitForFinished(5000);
    QList<qint64> ids;
    for (const QByteArray& line : pgrep.readAllStandardOutput().split('\n'))
        if (!line.isEmpty())
            ids.append(line.toLongLong());
    return ids;
}

// The web window with its page in the real helper, against the reference server's pages; everything
// else fake but the timers, which run on the event loop.
class WebEngineTest : public ::testing::Test
{
protected:
    WebEngineTest() { initResources(); }

    void SetUp() override { ASSERT_TRUE(server.isListening()); }

    QString pageUrl(const char* path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(server.httpPort()).arg(QLatin1String(path));
    }
    void showPage(const char* path)
    {
        web.setPageAddress(pageUrl(path));
        web.showWindow();
    }
    bool captionBecomes(const QString& caption)
    {
        return runUntil([&] { return web.caption() == caption; }, kPageTimeoutMs);
    }

    ServerProcess server;
    QtTimers timers;
    TemporaryDesktop desktop;
    QtBrowserFactory browsers{desktop, QStringLiteral(VELTARO_WEB_BINARY)};
    FakePlatform fake;
    Platform platform{{timers, timers, fake.messageBoxes, fake.app, fake.files, fake.sockets},
                      fake.tray,
                      fake.systemInfo,
                      fake.processes,
                      browsers,
                      desktop,
                      fake.loginStart,
                      fake.network};
    WebWindow web{platform};
};

TEST_F(WebEngineTest, PageTitleBecomesTheCaptionAndClosingTheWindowEndsTheHelper)
{
    const QList<qint64> before = processesNamed(QStringLiteral("veltaro-web"));
    showPage("/faq.php");
    EXPECT_TRUE(captionBecomes(QStringLiteral("Frequently Asked Questions")))
        << "caption: " << web.caption().toStdString();
    EXPECT_TRUE(server.waitForLine("HTTP GET /faq.php"));
    EXPECT_GT(processesNamed(QStringLiteral("veltaro-web")).size(), before.size());

    web.close();
    EXPECT_TRUE(runUntil([&] { return processesNamed(QStringLiteral("veltaro-web")) == before; }, 10000))
        << "the helper outlived its window";
}

TEST_F(WebEngineTest, DownloadIsSavedInTheDownloadFolder)
{
    ASSERT_TRUE(desktop.folder.isValid());
    showPage("/downloads/Veltaro.exe");
    web.hide();

    ASSERT_TRUE(runUntil([&] { return !fake.messageBoxes.shown().empty(); }, kPageTimeoutMs));
    const QString path = desktop.folder.filePath(QStringLiteral("Veltaro.exe"));
    EXPECT_TRUE(fake.messageBoxes.shown().front().text.contains(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 16 * 1024);
    for (int i = 0; i < bytes.size(); ++i)
        ASSERT_EQ(uchar(bytes[i]), i % 251) << "at byte " << i;
}

TEST_F(WebEngineTest, AKilledHelperIsNamedInTheCaptionAndTheNextPageStartsAnother)
{
    const QList<qint64> before = processesNamed(QStringLiteral("veltaro-web"));
    showPage("/faq.php");
    ASSERT_TRUE(captionBecomes(QStringLiteral("Frequently Asked Questions")));
    QList<qint64> helpers = processesNamed(QStringLiteral("veltaro-web"));
    for (qint64 id : before)
        helpers.removeAll(id);
    ASSERT_EQ(helpers.size(), 1);
    ::kill(pid_t(helpers.front()), SIGKILL);
    EXPECT_TRUE(captionBecomes(kEnded)) << "caption: " << web.caption().toStdString();

    showPage("/members/");
    EXPECT_TRUE(server.waitForLine("HTTP GET /members/"));
    EXPECT_TRUE(captionBecomes(QStringLiteral("Members Area"))) << "caption: " << web.caption().toStdString();
}

// A helper that answers with garbage is dropped like one that died.
TEST_F(WebEngineTest, AHelperSpeakingGarbageIsEnded)
{
    QTemporaryDir folder;
    const QString script = folder.filePath(QStringLiteral("garbage-helper"));
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/usr/bin/env python3\n"
               "import socket, sys, time\n"
               "s = socket.socket(socket.AF_UNIX)\n"
               "s.connect(sys.argv[1])\n"
               "s.sendall(b'busy 1\\n\\x00\\xff\\xfe not a message\\n')\n"
               "s.settimeout(20)\n"
               "while s.recv(4096):\n"
               "    pass\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::ExeOwner | QFile::WriteOwner);
    QtBrowserFactory garbage{desktop, script};
    Platform garbagePlatform{timers,       timers,          fake.messageBoxes, fake.app,       fake.files,
                             fake.sockets, fake.tray,       fake.systemInfo,   fake.processes, garbage,
                             desktop,      fake.loginStart, fake.network};
    WebWindow garbageWeb(garbagePlatform);
    garbageWeb.setPageAddress(pageUrl("/faq.php"));
    garbageWeb.showWindow();
    EXPECT_TRUE(runUntil([&] { return garbageWeb.caption() == kEnded; }, 10000))
        << "caption: " << garbageWeb.caption().toStdString();
}

// A portable copy of the program, without the helper beside it, uses the installed one.
TEST(WebEngineHelper, IsFoundBesideTheProgramElseWhereItWasInstalled)
{
    QTemporaryDir portable;
    QTemporaryDir installed;
    const QString helper = installed.filePath(QStringLiteral("veltaro-web"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELTARO_WEB_BINARY), helper));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(installed.path()));
    const QString fromCopy = QtBrowserFactory::findHelper(portable.path());
    const QString besideInstalled = QtBrowserFactory::findHelper(installed.path());
    qputenv("PATH", path);

    EXPECT_EQ(fromCopy, helper);
    EXPECT_EQ(besideInstalled, helper);
}

// The helper's side: garbage from the program ends the helper cleanly, and so does the program's going.
TEST(WebEngineHelper, EndsOnGarbageAndWhenTheProgramGoes)
{
    for (const QByteArray& last : {QByteArray("navigate file:///etc/passwd\n\x01\xff garbage\n"), QByteArray()}) {
        QLocalServer server;
        ASSERT_TRUE(server.listen(QStringLiteral("veltaro-web-test-%1").arg(QCoreApplication::applicationPid())));
        QTemporaryDir downloads;
        QProcess helper;
        helper.setProcessChannelMode(QProcess::ForwardedChannels);
        helper.start(QStringLiteral(VELTARO_WEB_BINARY), {server.fullServerName(), downloads.path()});
        ASSERT_TRUE(runUntil([&] { return server.hasPendingConnections(); }, kPageTimeoutMs));
        QLocalSocket* socket = server.nextPendingConnection();
        ASSERT_TRUE(runUntil([&] { return socket->canReadLine(); }, kPageTimeoutMs));
        const std::optional<WebMessage> window = WebProtocol::decode(socket->readLine().trimmed());
        ASSERT_TRUE(window && window->kind == WebMessage::Kind::Window);

        if (last.isEmpty())
            socket->disconnectFromServer();
        else
            socket->write(last);
        EXPECT_TRUE(runUntil([&] { return helper.state() == QProcess::NotRunning; }, 10000));
        EXPECT_EQ(helper.exitStatus(), QProcess::NormalExit) << "the helper crashed";
        EXPECT_EQ(helper.exitCode(), 0);
        if (helper.state() != QProcess::NotRunning) {
            helper.kill();
            helper.waitForFinished();
        }
    }
}

} // namespace
