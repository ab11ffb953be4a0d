#include "support/fakes/FakeClock.h"

#include <map>

class FakeClock::FakeTimer : public Timer
{
public:
    FakeTimer(FakeClock& clock, QString name, int index, TimerMode mode, std::function<void()> onTimeout)
        : m_clock(clock), m_name(std::move(name)), m_index(index), m_mode(mode), m_onTimeout(std::move(onTimeout))
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
        m_clock.m_ticks.push_back({m_clock.m_nowMs, m_name, m_index});
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
    int m_index;
    TimerMode m_mode;
    std::function<void()> m_onTimeout;
    int m_intervalMs = 0;
    bool m_active = false;
    qint64 m_dueMs = 0;
    quint64 m_startedAs = 0;
};

// A family as one repeating timer an element; an element of interval 0 never ticks.
class FakeClock::Family : public TimerFamily
{
public:
    Family(FakeClock& clock, QString name, std::function<void(int)> onTick)
        : m_clock(clock), m_name(std::move(name)), m_onTick(std::move(onTick))
    {}

    bool create(int index) override
    {
        if (m_elements.count(index))
            return false;
        auto timer = std::make_unique<FakeTimer>(m_clock, m_name, index, TimerMode::Repeating, [this, index] {
            // The handler may destroy this family; keep the callable alive while it runs.
            auto onTick = m_onTick;
            onTick(index);
        });
        m_elements.emplace(index, Element{0, false, std::move(timer)});
        return true;
    }

    bool exists(int index) const override { return m_elements.count(index) != 0; }
    void destroy(int index) override { m_elements.erase(index); }

    void setInterval(int index, int milliseconds) override
    {
        auto it = m_elements.find(index);
        if (it == m_elements.end())
            return;
        it->second.interval = milliseconds;
        if (it->second.enabled)
            restart(it->second);
    }

    int interval(int index) const override
    {
        auto it = m_elements.find(index);
        return it == m_elements.end() ? 0 : it->second.interval;
    }

    void setEnabled(int index, bool enabled) override
    {
        auto it = m_elements.find(index);
        if (it == m_elements.end() || it->second.enabled == enabled)
            return;
        it->second.enabled = enabled;
        if (enabled)
            restart(it->second);
        else
            it->second.timer->stop();
    }

    bool isEnabled(int index) const override
    {
        auto it = m_elements.find(index);
        return it != m_elements.end() && it->second.enabled;
    }

private:
    struct Element
    {
        int interval;
        bool enabled;
        std::unique_ptr<FakeTimer> timer;
    };

    static void restart(Element& element)
    {
        if (element.interval > 0)
            element.timer->start(element.interval);
        else
            element.timer->stop();
    }

    FakeClock& m_clock;
    QString m_name;
    std::function<void(int)> m_onTick;
    std::map<int, Element> m_elements;
};

FakeClock::FakeClock(QDateTime start) : m_start(std::move(start)) {}

FakeClock::~FakeClock() = default;

std::unique_ptr<Timer> FakeClock::createTimer(const QString& name, TimerMode mode, std::function<void()> onTimeout)
{
    return std::make_unique<FakeTimer>(*this, name, 0, mode, std::move(onTimeout));
}

std::unique_ptr<TimerFamily> FakeClock::createFamily(const QString& name, std::function<void(int)> onTick)
{
    return std::make_unique<Family>(*this, name, std::move(onTick));
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

QStringList FakeClock::fired() const
{
    QStringList names;
    for (const Tick& tick : m_ticks)
        names.append(tick.name);
    return names;
}

std::vector<int> FakeClock::ticksOf(const QString& family) const
{
    std::vector<int> result;
    for (const Tick& tick : m_ticks) {
        if (tick.name == family)
            result.push_back(tick.index);
    }
    return result;
}
