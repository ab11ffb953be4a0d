#include "core/platform/qt/QtTimers.h"

#include <QCoreApplication>
#include <QTimer>

#include <map>

namespace {

// Deleted later when this may run inside the timer's own timeout; while the application shuts down
// nothing may be posted any more.
void retireTimer(QTimer* timer)
{
    timer->stop();
    timer->disconnect();
    if (QCoreApplication::closingDown())
        delete timer;
    else
        timer->deleteLater();
}

class QtTimer : public Timer
{
public:
    QtTimer(TimerMode mode, std::function<void()> onTimeout) : m_timer(new QTimer), m_onTimeout(std::move(onTimeout))
    {
        m_timer->setSingleShot(mode == TimerMode::SingleShot);
        QObject::connect(m_timer, &QTimer::timeout, m_timer, [this] {
            // The handler may destroy this timer; keep the callable alive while it runs.
            auto onTimeout = m_onTimeout;
            onTimeout();
        });
    }

    ~QtTimer() override { retireTimer(m_timer); }

    void start(int milliseconds) override { m_timer->start(milliseconds); }
    void stop() override { m_timer->stop(); }
    bool isActive() const override { return m_timer->isActive(); }

private:
    QTimer* m_timer;
    std::function<void()> m_onTimeout;
};

class QtTimerFamily : public TimerFamily
{
public:
    explicit QtTimerFamily(std::function<void(int)> onTick) : m_onTick(std::move(onTick)) {}

    ~QtTimerFamily() override
    {
        for (auto& entry : m_timers)
            retireTimer(entry.second.timer);
    }

    bool create(int index) override
    {
        if (m_timers.count(index))
            return false;
        auto* timer = new QTimer;
        QObject::connect(timer, &QTimer::timeout, timer, [this, index] {
            // The handler may destroy the family; keep the callable alive while it runs.
            auto onTick = m_onTick;
            onTick(index);
        });
        m_timers.emplace(index, Slot{timer, false});
        return true;
    }

    bool exists(int index) const override { return m_timers.count(index) != 0; }

    void destroy(int index) override
    {
        auto it = m_timers.find(index);
        if (it == m_timers.end())
            return;
        retireTimer(it->second.timer);
        m_timers.erase(it);
    }

    void setInterval(int index, int milliseconds) override
    {
        auto it = m_timers.find(index);
        if (it == m_timers.end())
            return;
        it->second.timer->setInterval(milliseconds);
        apply(it->second, true);
    }

    int interval(int index) const override
    {
        auto it = m_timers.find(index);
        return it == m_timers.end() ? 0 : it->second.timer->interval();
    }

    void setEnabled(int index, bool enabled) override
    {
        auto it = m_timers.find(index);
        if (it == m_timers.end())
            return;
        const bool restart = enabled && !it->second.enabled;
        it->second.enabled = enabled;
        apply(it->second, restart);
    }

    bool isEnabled(int index) const override
    {
        auto it = m_timers.find(index);
        return it != m_timers.end() && it->second.enabled;
    }

private:
    struct Slot
    {
        QTimer* timer;
        bool enabled;
    };

    // An interval of 0 never ticks, enabled or not.
    static void apply(Slot& slot, bool restart)
    {
        if (!slot.enabled || slot.timer->interval() <= 0)
            slot.timer->stop();
        else if (restart || !slot.timer->isActive())
            slot.timer->start();
    }

    std::function<void(int)> m_onTick;
    std::map<int, Slot> m_timers;
};

} // namespace

std::unique_ptr<Timer> QtTimers::createTimer(const QString&, TimerMode mode, std::function<void()> onTimeout)
{
    return std::make_unique<QtTimer>(mode, std::move(onTimeout));
}

std::unique_ptr<TimerFamily> QtTimers::createFamily(const QString&, std::function<void(int)> onTick)
{
    return std::make_unique<QtTimerFamily>(std::move(onTick));
}

void QtTimers::post(std::function<void()> task)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(task), Qt::QueuedConnection);
}

QDateTime QtTimers::now() const
{
    return QDateTime::currentDateTime();
}
