#include "ServerProcess.h"
#include "exchange/frmUpdate.h"
#include "platform/fake/FakePlatform.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/QtSockets.h"
#include "platform/qt/QtTimers.h"
#include "protocol/Lumeris_Commands.h"
#include "state/ClientState.h"
#include "ui/Windows.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace Cmd = Lumeris_Commands;

namespace {

// The exchange on real sockets and timers against the reference server; other services are fakes.
class ExchangeIntegrationTest : public ::testing::Test
{
protected:
    ExchangeIntegrationTest()
    {
        installWindowFactories(state, platform);
        state.serverHost = QStringLiteral("127.0.0.1");
        state.userName = QStringLiteral("u");
        state.password = QStringLiteral("p");
    }

    // Starts the server and records every reply that reaches the processor of the tag.
    bool startServer(const QString& tag, const QStringList& arguments = {})
    {
        server = std::make_unique<ServerProcess>(arguments);
        state.serverPort = server->commandPort();
        frmUpdate::ReplyProcessor real = state.frmUpdate->processors.at(tag);
        state.frmUpdate->processors[tag] = [this, real](ClientState& s, CorePlatform& p, const QString& reply) {
            replies.append(reply);
            real(s, p, reply);
        };
        return server->isListening();
    }

    // Runs the event loop for the given time.
    static void runFor(int milliseconds)
    {
        const QDeadlineTimer deadline(milliseconds);
        while (!deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, int(deadline.remainingTime()));
    }

    static QMessageBox* openBox()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
                return box;
        }
        return nullptr;
    }

    // Runs the event loop until the exchange has ended, for five seconds at most.
    bool waitForExchangeEnd()
    {
        const QDeadlineTimer deadline(5000);
        QTimer wakeUp;
        wakeUp.start(10);
        while (state.exchangeBusy && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return !state.exchangeBusy;
    }

    QString statusBar() { return state.frmMain->findChild<QLabel*>(QStringLiteral("lblStatusBar"))->text(); }

    FakePlatform fake;
    QtTimers timers;
    QtSocketFactory sockets;
    QtMessageBoxes boxes;
    Platform platform{timers,    timers,        boxes,          fake.app,      fake.files,  sockets,
                      fake.tray, fake.registry, fake.processes, fake.browsers, fake.desktop};
    ClientState state;
    std::unique_ptr<ServerProcess> server;
    QStringList replies;
};

} // namespace

TEST_F(ExchangeIntegrationTest, IpCheckLearnsTheAddressTheServerSees)
{
    ASSERT_TRUE(startServer(Cmd::getMyIPCMD));
    Cmd::requestMyIP(state, platform);
    ASSERT_TRUE(waitForExchangeEnd());

    EXPECT_EQ(server->requests(), QStringList{QStringLiteral("GETMYIP:U:P:")});
    EXPECT_EQ(replies, QStringList{QStringLiteral("GETMYIP:127.0.0.1:")});
    EXPECT_EQ(statusBar(), QStringLiteral(" New IP found: 127.0.0.1"));
}

TEST_F(ExchangeIntegrationTest, GroupUpdateSendsEveryGroupOnItsOwnConnection)
{
    ASSERT_TRUE(startServer(Cmd::updateGroupsCMD));
    state.frmUpdate->submit(ExchangeCommand{
        Cmd::updateGroupsCMD,
        QStringLiteral("Updating selected groups..."),
        {},
        {QStringLiteral("update:demo:demo:gHOME:1.2.3.4:"), QStringLiteral("update:demo:demo:gOFFICE:1.2.3.4:")}});
    ASSERT_TRUE(waitForExchangeEnd());

    replies.sort();
    EXPECT_EQ(replies, (QStringList{QStringLiteral("UPDATE:HOME:1.2.3.4:SUCCESS:"),
                                    QStringLiteral("UPDATE:OFFICE:1.2.3.4:SUCCESS:")}));
    EXPECT_TRUE(server->waitForLine(QStringLiteral("UPDATED DEMO OFFICE 1.2.3.4")));
}

TEST_F(ExchangeIntegrationTest, ReplyBoxesLeftOpenWhileTheirExchangesEndAreClosedSafely)
{
    // "No update(s)" from the version check, then the news box: each stays open for two seconds,
    // long after its exchange and sockets are gone, while the next exchange runs underneath.
    ASSERT_TRUE(
        startServer(Cmd::checkVersionCMD, {QStringLiteral("--news"), QStringLiteral("http://news.test/a.html:HELLO")}));
    Cmd::requestVersion(state, platform);
    Cmd::requestNews(state, platform);
    ASSERT_TRUE(server->waitForLine(QStringLiteral("REQUEST CHECKNEWS")));
    ASSERT_TRUE(waitForExchangeEnd());
    runFor(2000);
    ASSERT_EQ(replies, QStringList{QStringLiteral("CHECKVERSION:2.1.3:")});

    int closed = 0;
    for (QMessageBox* box = openBox(); box != nullptr && closed < 3; box = openBox(), ++closed) {
        box->accept();
        runFor(100);
    }
    EXPECT_EQ(closed, 2);
    EXPECT_EQ(fake.browsers.latest ? fake.browsers.latest->navigations : QStringList(),
              QStringList{QStringLiteral("HTTP://NEWS.TEST/A.HTML")});
}
