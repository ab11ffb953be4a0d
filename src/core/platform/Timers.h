#pragma once

#include <QString>

#include <functional>
#include <memory>

// One named timer. Starting it (again) counts `milliseconds` from now; a repeating timer then
// fires every `milliseconds` until stopped, a single-shot one fires once. A timer may be stopped or
// destroyed from inside its own timeout.
class Timer
{
public:
    virtual ~Timer() = default;

    virtual void start(int milliseconds) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

enum class TimerMode
{
    Repeating,
    SingleShot
};

class TimerService
{
public:
    virtual ~TimerService() = default;

    // A stopped timer; `name` identifies it in test logs.
    virtual std::unique_ptr<Timer> createTimer(const QString& name, TimerMode mode,
                                               std::function<void()> onTimeout) = 0;

    // Runs `task` once on the UI thread after the current event has been handled.
    virtual void post(std::function<void()> task) = 0;
};
