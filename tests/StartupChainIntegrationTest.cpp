#include "BuildConfig.h"
#include "ServerProcess.h"
#include "platform/fake/FakePlatform.h"
#include "platform/qt/QtSockets.h"
#include "platform/qt/QtTimers.h"
#include "state/ClientState.h"
#include "ui/Windows.h"
#include "ui/main/frmMain.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Start-up always aims at the built-in server; these sockets go to the test's server instead and
// remember where they were sent.
class RedirectedSocket : public QtTcpSocket
{
public:
    RedirectedSocket(quint16 port, QStringList& destinations) : m_port(port), m_destinations(destinations) {}

    void setRemoteHost(const QString& host) override
    {
        m_destinations.append(host);
        QtTcpSocket::setRemoteHost(QStringLiteral("127.0.0.1"));
    }
    void setRemotePort(int port) override
    {
        m_destinations.append(QString::number(port));
        QtTcpSocket::setRemotePort(m_port);
    }

private:
    quint16 m_port;
    QStringList& m_destinations;
};

class RedirectingSocketFactory : public SocketFactory
{
public:
    explicit RedirectingSocketFactory(quint16 port) : m_port(port) {}
    std::unique_ptr<TcpSocket> create() override { return std::make_unique<RedirectedSocket>(m_port, destinations); }

    QStringList destinations;

private:
    quint16 m_port;
};

// Runs what the client left posted once everything else of the test has gone: a task still queued
// at the application's end would be destroyed while the queue is locked.
struct PostedWorkDrain
{
    ~PostedWorkDrain()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

bool waitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QTimer wakeUp;
    wakeUp.start(10);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

} // namespace

TEST(StartupChainIntegrationTest, StartUpUpdatesExactlyTheCheckedGroupsWithTheAddressTheServerSaw)
{
    const PostedWorkDrain drain;
    ServerProcess server;
    ASSERT_TRUE(server.isListening());
    FakePlatform fake;
    QtTimers timers;
    RedirectingSocketFactory sockets(server.commandPort());
    Platform platform{timers,    timers,        fake.messageBoxes, fake.app,      fake.files,  sockets,
                      fake.tray, fake.registry, fake.processes,    fake.browsers, fake.desktop};
    ClientState state;
    installWindowFactories(state, platform);
    // No settings file: these survive start-up.
    state.userName = QStringLiteral("demo");
    state.password = QStringLiteral("demo");
    state.checkedGroups = QStringLiteral("OFFICE:");

    state.frmMain->Form_Load();

    ASSERT_TRUE(server.waitForLine(QStringLiteral("UPDATED "), 10000));
    const auto statusBar = [&] { return state.frmMain->findChild<QLabel*>(QStringLiteral("lblStatusBar"))->text(); };
    ASSERT_TRUE(waitUntil([&] { return !state.exchangeBusy && statusBar() == " Update successful"; }, 5000))
        << statusBar().toStdString();

    EXPECT_EQ(server.requests(),
              QStringList({"GETMYIP:DEMO:DEMO:", "GETHOSTS:DEMO:DEMO:", "UPDATE:DEMO:DEMO:GOFFICE:127.0.0.1:"}));
    QStringList updates = server.lines().filter(QRegularExpression(QStringLiteral("^UPDATED ")));
    EXPECT_EQ(updates, QStringList({"UPDATED DEMO OFFICE 127.0.0.1"}));
    EXPECT_EQ(state.currentIP, "127.0.0.1");
    auto* groups = state.frmMain->findChild<QListWidget*>(QStringLiteral("lstGroups"));
    ASSERT_EQ(groups->count(), 2);
    EXPECT_EQ(groups->item(1)->checkState(), Qt::Checked);

    const QString builtIn = QString::fromUtf8(BuildConfig::serverHost);
    const QString builtInPort = QString::number(BuildConfig::serverPort);
    EXPECT_EQ(sockets.destinations, QStringList({builtInPort, builtIn, builtInPort, builtIn, builtInPort, builtIn}));
}
