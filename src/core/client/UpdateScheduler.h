#pragma once

#include <QtGlobal>

#include <memory>

class Timer;
class TimerService;
class UpdateClient;

// The cycle's minute; the command-line client's tests shorten it.
inline constexpr int kMinuteMs = 60000;

// When the client talks to the server on its own: the start-up chain (IP check, host list, the
// start-up update), the minute cycle, the host list fetched before an update that lacks it, and
// the IP check after the network has changed.
class UpdateScheduler
{
public:
    struct Pacing
    {
        // The start-up chain's host list and update each wait for a free exchange, looked for this
        // often; 0 starts each as soon as the exchange before it has ended.
        int startStepMs = 0;
        int minuteMs = kMinuteMs;
        // How long the network must stay calm after a change before the address is checked.
        int networkCalmMs = 5000;
    };

    UpdateScheduler(UpdateClient& client, TimerService& timers, Pacing pacing);
    ~UpdateScheduler();

    // Checks the address (unless it is fixed) and starts the minute cycle when automatic updates
    // are on. The host list follows a step later, or with `waitForList` only after fetchListSoon().
    void start(bool waitForList = false);
    // The host list is fetched a step from now, or without pacing once the exchange is free; the
    // start-up update follows it the first time only.
    void fetchListSoon();
    // Starts or stops the minute cycle; starting a running cycle keeps its count.
    void setAutoUpdate(bool on);
    // Updates the checked groups; without a host list it is fetched first and the update follows.
    void updateNow();
    // The host list's reply has been handled; `accepted` is false when the account was refused.
    void listAnswered(bool accepted);
    void networkChanged();
    void addressLearned();
    // The exchange has ended; with no pacing the start-up chain's next step starts now.
    void exchangeEnded();
    // Nothing more is sent on the scheduler's own.
    void stop();

private:
    enum class Step
    {
        None,
        List,
        Update
    };

    void listStep();
    void updateStep();
    void minuteTick();
    void networkCalm();

    UpdateClient& m_client;
    Pacing m_pacing;
    std::unique_ptr<Timer> m_listTimer;
    std::unique_ptr<Timer> m_updateTimer;
    std::unique_ptr<Timer> m_minuteTimer;
    std::unique_ptr<Timer> m_calmTimer;
    qint32 m_minuteCounter = 1;
    // Without pacing: the chain's step that waits for the exchange to end.
    Step m_afterExchange = Step::None;
    bool m_startUpdateScheduled = false;
    bool m_updateWhenListArrives = false;
    // The IP check under way was asked for by a network change.
    bool m_updateOnNewAddress = false;
    bool m_stopped = false;
};
