#include "support/fakes/FakeClock.h"

#include <algorithm>
#include <limits>
#include <map>

class FakeClock::Family : public TimerFamily
{
public:
    struct Element
    {
        int interval = 0;
        bool enabled = false;
        qint64 dueMs = 0;
        quint64 armedAs = 0;
    };

    Family(FakeClock& clock, QString name, std::function<void(int)> onTick)
        : m_clock(clock), m_name(std::move(name)), m_onTick(std::move(onTick))
    {
        m_clock.m_families.push_back(this);
    }

    ~Family() override { std::erase(m_clock.m_families, this); }

    bool create(int index) override { return m_elements.emplace(index, Element{}).second; }
    bool exists(int index) const override { return m_elements.count(index) != 0; }
    void destroy(int index) override { m_elements.erase(index); }

    void setInterval(int index, int milliseconds) override
    {
        auto it = m_elements.find(index);
        if (it == m_elements.end())
            return;
        it->second.interval = milliseconds;
        if (it->second.enabled)
            arm(it->second);
    }

    int interval(int index) const override
    {
        auto it = m_elements.find(index);
        return it == m_elements.end() ? 0 : it->second.interval;
    }

    void setEnabled(int index, bool enabled) override
    {
        auto it = m_elements.find(index);
        if (it == m_elements.end())
            return;
        if (enabled && !it->second.enabled)
            arm(it->second);
        it->second.enabled = enabled;
    }

    bool isEnabled(int index) const override
    {
        auto it = m_elements.find(index);
        return it != m_elements.end() && it->second.enabled;
    }

    void arm(Element& element)
    {
        element.dueMs = m_clock.m_nowMs + element.interval;
        element.armedAs = ++m_clock.m_armSequence;
    }

    // The earliest element due at or before `limitMs`.
    bool earliestDue(qint64 limitMs, qint64& dueMs, quint64& armedAs, int& index) const
    {
        bool found = false;
        for (const auto& [i, element] : m_elements) {
            if (!element.enabled || element.interval <= 0 || element.dueMs > limitMs)
                continue;
            if (!found || element.dueMs < dueMs || (element.dueMs == dueMs && element.armedAs < armedAs)) {
                found = true;
                dueMs = element.dueMs;
                armedAs = element.armedAs;
                index = i;
            }
        }
        return found;
    }

    void fire(int index)
    {
        Element& element = m_elements.at(index);
        element.dueMs += element.interval;
        element.armedAs = ++m_clock.m_armSequence;
        m_clock.m_ticks.push_back({m_clock.m_nowMs, m_name, index});
        // The handler may destroy this family; keep the callable alive while it runs.
        auto onTick = m_onTick;
        onTick(index);
    }

private:
    FakeClock& m_clock;
    QString m_name;
    std::function<void(int)> m_onTick;
    std::map<int, Element> m_elements;
};

FakeClock::FakeClock(QDateTime start) : m_start(std::move(start)) {}

FakeClock::~FakeClock() = default;

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
        Family* next = nullptr;
        qint64 bestDue = std::numeric_limits<qint64>::max();
        quint64 bestArmed = 0;
        int bestIndex = 0;
        for (Family* family : m_families) {
            qint64 due = 0;
            quint64 armed = 0;
            int index = 0;
            if (family->earliestDue(targetMs, due, armed, index) &&
                (next == nullptr || due < bestDue || (due == bestDue && armed < bestArmed))) {
                next = family;
                bestDue = due;
                bestArmed = armed;
                bestIndex = index;
            }
        }
        if (next == nullptr)
            break;
        m_nowMs = bestDue;
        next->fire(bestIndex);
        runPosted();
    }
    m_nowMs = targetMs;
}

std::vector<int> FakeClock::ticksOf(const QString& family) const
{
    std::vector<int> result;
    for (const Tick& tick : m_ticks) {
        if (tick.family == family)
            result.push_back(tick.index);
    }
    return result;
}
