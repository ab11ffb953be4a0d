#include "core/client/UpdateScheduler.h"

#include "core/client/UpdateClient.h"
#include "core/client/UpdateCycle.h"
#include "core/platform/CorePlatform.h"

#include <QCoreApplication>
#include <QPointer>

#include <utility>

UpdateScheduler::UpdateScheduler(UpdateClient& client, TimerService& timers, Pacing pacing)
    : m_client(client), m_pacing(pacing),
      m_listTimer(timers.createTimer(QStringLiteral("startList"), TimerMode::Repeating, [this] { listStep(); })),
      m_updateTimer(timers.createTimer(QStringLiteral("startUpdate"), TimerMode::Repeating, [this] { updateStep(); })),
      m_minuteTimer(timers.createTimer(QStringLiteral("minute"), TimerMode::Repeating, [this] { minuteTick(); })),
      m_calmTimer(timers.createTimer(QStringLiteral("networkCalm"), TimerMode::SingleShot, [this] { networkCalm(); }))
{}

UpdateScheduler::~UpdateScheduler() = default;

void UpdateScheduler::start(bool waitForList)
{
    const bool checking = !m_client.settings().useStaticIP;
    if (checking)
        m_client.checkAddress();
    if (!waitForList)
        fetchListSoon();
    m_minuteCounter = 1;
    setAutoUpdate(m_client.settings().autoUpdate == 1);
}

void UpdateScheduler::fetchListSoon()
{
    if (m_pacing.startStepMs > 0)
        m_listTimer->start(m_pacing.startStepMs);
    else if (m_client.exchangeBusy())
        m_afterExchange = Step::List;
    else
        listStep();
}

void UpdateScheduler::listStep()
{
    if (m_client.exchangeBusy() || m_stopped)
        return;
    m_client.refreshHostList();
    m_listTimer->stop();
    if (std::exchange(m_startUpdateScheduled, true))
        return;
    if (m_pacing.startStepMs > 0)
        m_updateTimer->start(m_pacing.startStepMs);
    else
        m_afterExchange = Step::Update;
}

void UpdateScheduler::updateStep()
{
    if (m_client.exchangeBusy() || m_stopped)
        return;
    if (m_client.settings().autoUpdate == 1)
        updateNow();
    else
        emit m_client.statusChanged(QCoreApplication::translate("UpdateScheduler", "Auto Updates Disabled"));
    m_updateTimer->stop();
}

void UpdateScheduler::exchangeEnded()
{
    // A command that waited for the exchange may have started already: the step waits for its end.
    if (m_client.exchangeBusy())
        return;
    switch (std::exchange(m_afterExchange, Step::None)) {
    case Step::List:
        listStep();
        return;
    case Step::Update:
        updateStep();
        return;
    case Step::None:
        return;
    }
}

void UpdateScheduler::setAutoUpdate(bool on)
{
    // Turning on what is on already keeps the cycle's count.
    if (!on || m_stopped)
        m_minuteTimer->stop();
    else if (!m_minuteTimer->isActive())
        m_minuteTimer->start(m_pacing.minuteMs);
}

void UpdateScheduler::updateNow()
{
    // Without the host list there is nothing to send, and saying " Update successful" would hide
    // that: the list is asked for again and the update follows it.
    if (!m_client.hasGroupList()) {
        m_updateWhenListArrives = true;
        emit m_client.statusChanged(QCoreApplication::translate(
            "UpdateScheduler", " The host list has not arrived: asking for it before updating"));
        m_client.refreshHostList();
        return;
    }
    m_client.sendGroupUpdate();
}

void UpdateScheduler::listAnswered(bool accepted)
{
    // An account with no group at all has its list and nothing to update, which is a success.
    if (std::exchange(m_updateWhenListArrives, false) && accepted && !m_stopped)
        m_client.sendGroupUpdate();
}

void UpdateScheduler::minuteTick()
{
    const UpdateCycle::Tick tick =
        UpdateCycle::tick(m_minuteCounter, m_client.settings().updateInterval, m_client.exchangeBusy());
    m_minuteCounter = tick.minuteCounter;
    if (tick.step == UpdateCycle::Step::Update) {
        updateNow();
    } else if (tick.step == UpdateCycle::Step::CheckStep) {
        // A fixed address needs no check; its notice is for the user's own "Check for new IP".
        if (!m_client.settings().useStaticIP)
            m_client.checkAddress();
        m_client.checkVersionQuietly();
    }
}

void UpdateScheduler::networkChanged()
{
    // Several changes in a row give one check, a calm spell after the last of them.
    m_calmTimer->start(m_pacing.networkCalmMs);
}

void UpdateScheduler::networkCalm()
{
    // A fixed address does not move with the network.
    if (m_client.settings().useStaticIP || m_stopped)
        return;
    m_updateOnNewAddress = true;
    m_client.checkAddress();
}

void UpdateScheduler::addressLearned()
{
    if (!std::exchange(m_updateOnNewAddress, false) || m_client.settings().autoUpdate != 1)
        return;
    // After the IP reply's processor has stored the new address.
    QPointer<UpdateClient> client(&m_client);
    m_client.platform().timers.post([client] {
        if (client)
            client->scheduler().updateNow();
    });
}

void UpdateScheduler::stop()
{
    m_stopped = true;
    m_listTimer->stop();
    m_updateTimer->stop();
    m_minuteTimer->stop();
    m_calmTimer->stop();
}
