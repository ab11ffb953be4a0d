#include "core/client/UpdateClient.h"
#include "core/net/ServerExchange.h"
#include "core/platform/qt/QtSockets.h"
#include "core/platform/qt/QtTimers.h"
#include "desktop/main/MainWindow.h"
#include "desktop/platform/qt/QtMessageBoxes.h"
#include "support/ServerProcess.h"
#include "support/TestSupport.h"

#include <QLabel>

namespace {

// The exchange on real sockets and timers against the reference server; other services are fakes.
class ExchangeIntegrationTest : public ::testing::Test
{
protected:
    ExchangeIntegrationTest()
    {
        client().settings().userName = "u";
        client().settings().password = "p";
    }

    UpdateClient& client() { return windows.client(); }
    bool startServer(const QStringList& arguments = {})
    {
        server = std::make_unique<ServerProcess>(arguments);
        client().setServer("127.0.0.1", quint16(server->commandPort()));
        return server->isListening();
    }

    FakePlatform fake;
    QtTimers timers;
    QtSocketFactory sockets;
    QtMessageBoxes boxes;
    Platform platform = fake.over({timers, timers, boxes, fake.app, fake.files, sockets});
    DesktopWindows windows{platform};
    std::unique_ptr<ServerProcess> server;
};

} // namespace

TEST_F(ExchangeIntegrationTest, ReplyBoxesLeftOpenWhileTheirExchangesEndAreClosedSafely)
{
    // "No update(s)" from the version check, then the news box: each stays open after its exchange
    // and sockets are gone, while the next exchange runs underneath.
    ASSERT_TRUE(startServer({"--news", "http://news.test/a.html:HELLO"}));
    client().checkVersion();
    client().checkNews();
    ASSERT_TRUE(server->waitForLine("REQUEST CHECKNEWS"));
    ASSERT_TRUE(runUntil([this] { return !client().exchangeBusy(); }, 5000));
    // The ended exchange's sockets are gone before the boxes close.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    int closed = 0;
    for (QMessageBox* box = openBox(); box != nullptr && closed < 3; box = openBox(), ++closed) {
        box->accept();
        runUntil([] { return false; }, 100);
    }
    EXPECT_EQ(closed, 2);
    ASSERT_TRUE(fake.browsers.latest);
    EXPECT_EQ(fake.browsers.latest->navigations, QStringList{"HTTP://NEWS.TEST/A.HTML"});
}

TEST_F(ExchangeIntegrationTest, APeerThatClosesWithoutAReplyIsToldAsSuchAndAPostedTaskWaitsForTheCurrentEvent)
{
    ASSERT_TRUE(startServer({"--close-without-reply"}));
    client().refreshHostList();
    ASSERT_TRUE(runUntil([this] { return !client().exchangeBusy(); }, 5000));
    EXPECT_EQ(windows.mainWindow().findChild<QLabel*>("statusLabel")->text(),
              "Connection failed: the server closed the connection without replying.");

    bool ran = false;
    timers.post([&ran] { ran = true; });
    EXPECT_FALSE(ran);
    runUntil([&ran] { return ran; }, 1000);
    EXPECT_TRUE(ran);
}
