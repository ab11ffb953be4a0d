#pragma once

#include "core/platform/Clock.h"
#include "core/platform/Timers.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

// Virtual time for tests: timers fire only when the test advances the clock, in time order.
class FakeClock : public TimerService, public Clock
{
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 12, 5), QTime(7, 3)));
    ~FakeClock() override;

    std::unique_ptr<Timer> createTimer(const QString& name, TimerMode mode, std::function<void()> onTimeout) override;
    void post(std::function<void()> task) override;
    QDateTime now() const override;

    // Fires every due timer in time order (ties in the order they were started), running the
    // posted tasks before and after each.
    void advance(qint64 milliseconds);
    void runPosted();
    qint64 elapsedMs() const { return m_nowMs; }

    // Since the start or the last clearTicks().
    int firings(const QString& name) const { return int(m_fired.count(name)); }
    void clearTicks() { m_fired.clear(); }

private:
    struct FakeTimer;

    QDateTime m_start;
    qint64 m_nowMs = 0;
    quint64 m_startSequence = 0;
    std::vector<FakeTimer*> m_timers;
    std::deque<std::function<void()>> m_posted;
    QStringList m_fired;
};
