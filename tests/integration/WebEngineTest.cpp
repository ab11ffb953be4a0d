// The web helper's side of the socket; the page in the web window on the real programs is
// web_window_test.py's.
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

namespace {
constexpr int kPageTimeoutMs = 30000;
} // namespace

TEST(WebEngine, AHelperSpeakingGarbageIsEndedAndTheCaptionSaysSo)
{
    QTemporaryDir folder;
    QFile script(folder.filePath("garbage-helper"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(R"(#!/usr/bin/env python3
import socket, sys
s = socket.socket(socket.AF_UNIX)
s.connect(sys.argv[1])
s.sendall(b'busy 1\n\x00\xff\xfe not a message\n')
s.settimeout(20)
while s.recv(4096): pass
)");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::ExeOwner | QFile::WriteOwner);
    QtTimers timers;
    FakePlatform fake;
    QtBrowserFactory browsers{fake.desktop, script.fileName()};
    Platform platform = fake.over({timers, timers, fake.messageBoxes, fake.app, fake.files, fake.sockets}, &browsers);
    WebWindow web(platform);
    web.setPageAddress("http://127.0.0.1/faq.php");
    web.showWindow();
    EXPECT_TRUE(runUntil([&] { return web.caption() == "The web page is gone: its browser has stopped."; }, 10000))
        << web.caption().toStdString();
}

TEST(WebEngine, TheHelperEndsOnGarbageAndWhenTheProgramGoes)
{
    for (const QByteArray& last : {QByteArray("navigate file:///etc/passwd\n\x01\xff garbage\n"), QByteArray()}) {
        QLocalServer server;
        ASSERT_TRUE(server.listen(QStringLiteral("veltaro-web-test-%1").arg(QCoreApplication::applicationPid())));
        QTemporaryDir downloads;
        QProcess helper;
        helper.setProcessChannelMode(QProcess::ForwardedChannels);
        helper.start(VELTARO_WEB_BINARY, {server.fullServerName(), downloads.path()});
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
        EXPECT_EQ(std::pair(helper.exitStatus(), helper.exitCode()), std::pair(QProcess::NormalExit, 0));
        helper.kill();
        helper.waitForFinished();
    }
}
