#pragma once

#include "core/platform/Clock.h"
#include "core/platform/Timers.h"

// Timers on QTimer, and the wall clock.
class QtTimers : public TimerService, public Clock
{
public:
    std::unique_ptr<Timer> createTimer(const QString& name, TimerMode mode, std::function<void()> onTimeout) override;
    void post(std::function<void()> task) override;
    QDateTime now() const override;
};
