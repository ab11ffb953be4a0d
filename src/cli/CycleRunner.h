#pragma once

#include <QtGlobal>

#include <memory>

class CliClient;
class TimerFamily;

// The cycle's minute; the tests shorten it.
inline constexpr int kMinuteMs = 60000;

// The desktop program's automatic cycle without its windows: the start-up update, then a minute
// tick that sends the check step and the update every interval.
class CycleRunner
{
public:
    // The cycle's tick comes every `minuteMs`.
    explicit CycleRunner(CliClient& client, int minuteMs = kMinuteMs);
    ~CycleRunner();

    // Starts the IP check, the host list and the start-up update, and the minute tick.
    void start();
    // Saves the settings; the event loop then ends with `exitStatus`.
    void stop(int exitStatus);

private:
    void startUpdate();
    void processTimer_Timer(int index);
    void Update_Click();

    CliClient& m_client;
    // Element 10 ticks once a minute.
    std::unique_ptr<TimerFamily> processTimer;
    qint32 minuteCounter = 1;
    int m_minuteMs;
    bool m_updateWhenListArrives = false;
    bool m_stopped = false;
};
