#include "support/fakes/FakeClock.h"

struct FakeClock::FakeTimer : Timer
{
    FakeTimer(FakeClock& owner, QString name, TimerMode mode, std::function<void()> onTimeout)
        : clock(owner), name(std::move(name)), mode(mode), onTimeout(std::move(onTimeout))
    {
        clock.m_timers.push_back(this);
    }
    ~FakeTimer() override { std::erase(clock.m_timers, this); }

    void start(int milliseconds) override
    {
        intervalMs = milliseconds;
        active = true;
        arm(clock.m_nowMs + milliseconds);
    }
    void stop() override { active = false; }
    bool isActive() const override { return active; }

    void arm(qint64 due)
    {
        dueMs = due;
        startedAs = ++clock.m_startSequence;
    }

    FakeClock& clock;
    QString name;
    TimerMode mode;
    std::function<void()> onTimeout;
    int intervalMs = 0;
    bool active = false;
    qint64 dueMs = 0;
    quint64 startedAs = 0;
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
            if (timer->active && timer->dueMs <= targetMs &&
                (!next || std::pair(timer->dueMs, timer->startedAs) < std::pair(next->dueMs, next->startedAs)))
                next = timer;
        }
        if (!next)
            break;
        m_nowMs = next->dueMs;
        if (next->mode == TimerMode::SingleShot)
            next->active = false;
        else
            next->arm(next->dueMs + next->intervalMs);
        m_fired.append(next->name);
        // The handler may destroy its timer.
        auto onTimeout = next->onTimeout;
        onTimeout();
        runPosted();
    }
    m_nowMs = targetMs;
}
