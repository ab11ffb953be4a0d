#pragma once

#include <QString>

#include <functional>
#include <memory>

// A family of like timers addressed by element number, sharing one tick handler. Only kept for the
// main window's and the command line's cycle timers; everything else uses a Timer.
// Elements are created at run time; each has its own interval and enabled state.
// A timer ticks every `interval` ms while enabled; an interval of 0 never ticks.
class TimerFamily
{
public:
    virtual ~TimerFamily() = default;

    // Creates a disabled element with interval 0. Returns false when the element exists already.
    virtual bool create(int index) = 0;
    virtual bool exists(int index) const = 0;
    // Removes an element. Safe to call from inside that element's own tick.
    virtual void destroy(int index) = 0;
    // Sets the interval; an enabled element starts counting afresh. No effect on a missing element.
    virtual void setInterval(int index, int milliseconds) = 0;
    virtual int interval(int index) const = 0;
    // Enabling a disabled element starts a fresh count. No effect on a missing element.
    virtual void setEnabled(int index, bool enabled) = 0;
    virtual bool isEnabled(int index) const = 0;
};

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

    // Makes a new, empty family. `name` identifies it in test logs.
    virtual std::unique_ptr<TimerFamily> createFamily(const QString& name, std::function<void(int)> onTick) = 0;
    // Runs `task` once on the UI thread after the current event has been handled.
    virtual void post(std::function<void()> task) = 0;
};
