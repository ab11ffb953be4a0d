#include "ServerProcess.h"
#include "exchange/frmUpdate.h"
#include "platform/fake/FakePlatform.h"
#include "platform/qt/QtSockets.h"
#include "platform/qt/QtTimers.h"
#include "protocol/Lumeris_Commands.h"
#include "state/ClientState.h"
#include "ui/Windows.h"
#include "ui/main/frmMain.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
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
        state.frmUpdate->processors[tag] = [this, real](ClientState& s, Platform& p, const QString& reply) {
            replies.append(reply);
            real(s, p, reply);
        };
        return server->isListening();
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
    Platform platform{timers,    timers,        fake.messageBoxes, fake.app,      fake.files,  sockets,
                      fake.tray, fake.registry, fake.processes,    fake.browsers, fake.desktop};
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
