#include "cli/CycleRunner.h"

#include "cli/CliClient.h"
#include "cli/Commands.h"
#include "cli/ConsoleView.h"
#include "platform/CorePlatform.h"
#include "platform/qt/TerminationSignals.h"
#include "protocol/Lumeris_Commands.h"
#include "protocol/UpdateCycle.h"

#include <QCoreApplication>

#include <utility>

namespace {
constexpr int kMinuteTimer = 10;
constexpr int kMinuteMs = 60000;
} // namespace

CycleRunner::CycleRunner(CliClient& client)
    : m_client(client), processTimer(client.platform.timers.createFamily(
                            QStringLiteral("processTimer"), [this](int index) { processTimer_Timer(index); }))
{}

CycleRunner::~CycleRunner() = default;

void CycleRunner::start()
{
    ClientState& state = m_client.state;
    ConsoleView& view = m_client.view();
    QString cycle = QStringLiteral("updates every %1 minutes").arg(state.updateInterval);
    if (state.autoUpdate != 1)
        cycle = QStringLiteral("automatic updates are off");
    else if (state.updateInterval <= 0)
        cycle = QStringLiteral("no update interval set, so only the start-up update runs");
    view.print(QStringLiteral("Started for %1; %2").arg(state.userName, cycle));
    state.report({ClientEvent::Kind::Started, QString(), QString(), QString()});
    view.onHostsReply = [this](bool accepted) {
        // An account with no group at all has its list and nothing to update, which is a success.
        if (std::exchange(m_updateWhenListArrives, false) && accepted)
            m_client.sendGroupUpdate();
    };

    processTimer->create(kMinuteTimer);
    processTimer->setInterval(kMinuteTimer, kMinuteMs);
    processTimer->setEnabled(kMinuteTimer, state.autoUpdate == 1);

    // The start-up chain, each step once the one before is through.
    const auto fetchHosts = [this] {
        Lumeris_Commands::requestHosts(m_client.state, m_client.platform);
        m_client.afterExchange([this](ExchangeEnd) { startUpdate(); });
    };
    Lumeris_Commands::requestMyIP(state, m_client.platform);
    if (state.useStaticIP)
        fetchHosts();
    else
        m_client.afterExchange([fetchHosts](ExchangeEnd) { fetchHosts(); });
}

void CycleRunner::startUpdate()
{
    if (m_client.state.autoUpdate == 1)
        Update_Click();
    else
        m_client.view().showStatus(QStringLiteral("Auto Updates Disabled"));
}

void CycleRunner::Update_Click()
{
    // Without the host list there is nothing to send: it is asked for again and the update follows.
    if (!m_client.state.groupListReady) {
        m_updateWhenListArrives = true;
        m_client.view().showStatus(QStringLiteral(" The host list has not arrived: asking for it before updating"));
        Lumeris_Commands::requestHosts(m_client.state, m_client.platform);
        return;
    }
    m_client.sendGroupUpdate();
}

void CycleRunner::processTimer_Timer(int index)
{
    if (index != kMinuteTimer)
        return;
    ClientState& state = m_client.state;
    const UpdateCycle::Tick tick = UpdateCycle::tick(minuteCounter, state.updateInterval, state.exchangeBusy);
    minuteCounter = tick.minuteCounter;
    if (tick.step == UpdateCycle::Step::Update) {
        Update_Click();
    } else if (tick.step == UpdateCycle::Step::CheckStep) {
        if (!state.useStaticIP) {
            state.ipCheckRequested = true;
            Lumeris_Commands::requestMyIP(state, m_client.platform);
        }
        Lumeris_Commands::requestVersion(state, m_client.platform);
    }
}

void CycleRunner::stop()
{
    processTimer->setEnabled(kMinuteTimer, false);
    m_client.state.report({ClientEvent::Kind::Ended, QString(), QString(), QString()});
    const bool saved = m_client.saveSettings();
    m_client.view().print(saved ? QStringLiteral("Stopped; settings saved") : QStringLiteral("Stopped"));
    QCoreApplication::exit(kExitDone);
}

int runCycle(CliClient& client)
{
    if (!client.lockSettings(0) || !client.loadSettings(true))
        return kExitUsage;
    client.keepHistory();
    CycleRunner runner(client);
    onTerminationSignals([&runner] { runner.stop(); });
    runner.start();
    return QCoreApplication::exec();
}
