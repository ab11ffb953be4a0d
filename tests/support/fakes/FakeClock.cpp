#include "support/fakes/FakeClock.h"

class FakeClock::FakeTimer : public Timer
{
public:
    FakeTimer(FakeClock& clock, QString name, TimerMode mode, std::function<void()> onTimeout)
        : m_clock(clock), m_name(std::move(name)), m_mode(mode), m_onTimeout(std::move(onTimeout))
    {
        m_clock.m_timers.push_back(this);
    }

    ~FakeTimer() override { std::erase(m_clock.m_timers, this); }

    void start(int milliseconds) override
    {
        m_intervalMs = milliseconds;
        m_active = true;
        arm(m_clock.m_nowMs + milliseconds);
    }

    void stop() override { m_active = false; }
    bool isActive() const override { return m_active; }

    // Whether it is due at or before `limitMs`, and before `other`.
    bool dueBefore(qint64 limitMs, const FakeTimer* other) const
    {
        if (!m_active || m_dueMs > limitMs)
            return false;
        return other == nullptr || m_dueMs < other->m_dueMs ||
               (m_dueMs == other->m_dueMs && m_startedAs < other->m_startedAs);
    }

    qint64 dueMs() const { return m_dueMs; }

    void fire()
    {
        if (m_mode == TimerMode::SingleShot)
            m_active = false;
        else
            arm(m_dueMs + m_intervalMs);
        m_clock.m_fired.append(m_name);
        // The handler may destroy this timer; keep the callable alive while it runs.
        auto onTimeout = m_onTimeout;
        onTimeout();
    }

private:
    void arm(qint64 dueMs)
    {
        m_dueMs = dueMs;
        m_startedAs = ++m_clock.m_startSequence;
    }

    FakeClock& m_clock;
    QString m_name;
    TimerMode m_mode;
    std::function<void()> m_onTimeout;
    int m_intervalMs = 0;
    bool m_active = false;
    qint64 m_dueMs = 0;
    quint64 m_startedAs = 0;
};

FakeClock::FakeClock(QDateTime start) : m_start(std::move(start)) {}

FakeClock::~FakeClock() = default;

std::unique_ptr<Timer> FakeClock::createTimer(const QString& name, TimerMode mode, std::function<void()> onTimeout)
{
    return std::make_unique<FakeTimer>(*this, name, mode, std::move(onTimeout));
}

void FakeClock::post(std::function<void()> task)
{
    m_posted.push_back(std::move(task));
}

QDateTime FakeClock::now() const
{
    return m_start.addMSecs(m_nowMs);
}

void FakeClock::runPosted()
{
    while (!m_posted.empty()) {
        auto task = std::move(m_posted.front());
        m_posted.pop_front();
        task();
    }
}

void FakeClock::advance(qint64 milliseconds)
{
    const qint64 targetMs = m_nowMs + milliseconds;
    runPosted();
    for (;;) {
        FakeTimer* next = nullptr;
        for (FakeTimer* timer : m_timers) {
            if (timer->dueBefore(targetMs, next))
                next = timer;
        }
        if (next == nullptr)
            break;
        m_nowMs = next->dueMs();
        next->fire();
        runPosted();
    }
    m_nowMs = targetMs;
}
