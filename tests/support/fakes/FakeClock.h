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

    // Moves time forward, firing every due timer in order and running posted tasks between them.
    // Timers due at the same moment fire in the order they were started.
    void advance(qint64 milliseconds);
    // Runs the posted tasks (and those they post) without moving time.
    void runPosted();
    qint64 elapsedMs() const { return m_nowMs; }

    // How often the timer `name` has fired since the start or the last clearTicks().
    int firings(const QString& name) const { return int(m_fired.count(name)); }
    void clearTicks() { m_fired.clear(); }

private:
    class FakeTimer;

    QDateTime m_start;
    qint64 m_nowMs = 0;
    quint64 m_startSequence = 0;
    std::vector<FakeTimer*> m_timers;
    std::deque<std::function<void()>> m_posted;
    QStringList m_fired;
};
