#pragma once

#include "core/platform/Clock.h"
#include "core/platform/Timers.h"

// Timer families on QTimer, and the wall clock.
class QtTimers : public TimerService, public Clock
{
public:
    std::unique_ptr<TimerFamily> createFamily(const QString& name, std::function<void(int)> onTick) override;
    void post(std::function<void()> task) override;
    QDateTime now() const override;
};
