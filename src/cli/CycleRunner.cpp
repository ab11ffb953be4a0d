#include "cli/CycleRunner.h"

#include "cli/CliClient.h"
#include "cli/Commands.h"
#include "cli/ConsoleView.h"
#include "core/client/UpdateCycle.h"
#include "core/platform/CorePlatform.h"
#include "core/platform/qt/TerminationSignals.h"
#include "core/protocol/Lumeris_Commands.h"

#include <QCoreApplication>

#include <utility>

namespace {
constexpr int kMinuteTimer = 10;
} // namespace

CycleRunner::CycleRunner(CliClient& client, int minuteMs)
    : m_client(client), processTimer(client.platform.timers.createFamily(
                            QStringLiteral("processTimer"), [this](int index) { processTimer_Timer(index); })),
      m_minuteMs(minuteMs)
{}

CycleRunner::~CycleRunner() = default;

void CycleRunner::start()
{
    ClientState& state = m_client.state;
    ConsoleView& view = m_client.view();
    // An older settings file may hold no interval: the preferences dialog would show the shortest one
    // and keep it, and so does the cycle, rather than never updating again.
    if (state.updateInterval <= 0) {
        m_client.printWarning(QStringLiteral("the settings hold no update interval (%1); updating every %2 minutes")
                                  .arg(state.updateInterval)
                                  .arg(UpdateCycle::kShortestInterval));
        state.updateInterval = UpdateCycle::kShortestInterval;
    }
    const QString cycle = state.autoUpdate == 1 ? QStringLiteral("updates every %1 minutes").arg(state.updateInterval)
                                                : QStringLiteral("automatic updates are off");
    view.print(QStringLiteral("Started for %1; %2").arg(state.userName, cycle));
    state.report({ClientEvent::Kind::Started, QString(), QString(), QString()});
    view.onHostsReply = [this](bool accepted) {
        // Starting again does not cure a refused account: the service ends as failed, for its
        // manager to show.
        if (!accepted) {
            stop(kExitFailed);
            return;
        }
        // An account with no group at all has its list and nothing to update, which is a success.
        if (std::exchange(m_updateWhenListArrives, false))
            m_client.sendGroupUpdate();
    };

    processTimer->create(kMinuteTimer);
    processTimer->setInterval(kMinuteTimer, m_minuteMs);
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
    if (m_stopped)
        return;
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
    if (index != kMinuteTimer || m_stopped)
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

void CycleRunner::stop(int exitStatus)
{
    if (std::exchange(m_stopped, true))
        return;
    processTimer->setEnabled(kMinuteTimer, false);
    m_client.state.report({ClientEvent::Kind::Ended, QString(), QString(), QString()});
    const bool saved = m_client.saveSettings();
    if (exitStatus == kExitFailed)
        m_client.printError(QStringLiteral("Stopped: the server refused the account; set it again with "
                                           "\"veltaro-cli account\""));
    else
        m_client.view().print(saved ? QStringLiteral("Stopped; settings saved") : QStringLiteral("Stopped"));
    QCoreApplication::exit(exitStatus);
}

int runCycle(CliClient& client, const CommandLine& line)
{
    // An update from cron or a check holds the settings for a moment only; failing at once would
    // leave the service stopped for good, since its unit does not restart after a settings error.
    if (!client.lockSettings(kSettingsWaitMs) || !client.loadSettings(true) || !hasUsableAddress(client))
        return kExitUsage;
    client.keepHistory();
    CycleRunner runner(client, line.minuteMs > 0 ? line.minuteMs : kMinuteMs);
    onTerminationSignals([&runner] { runner.stop(kExitDone); });
    runner.start();
    return QCoreApplication::exec();
}
