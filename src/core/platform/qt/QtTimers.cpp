#include "core/platform/qt/QtTimers.h"

#include <QCoreApplication>
#include <QTimer>

#include <map>

namespace {

class QtTimerFamily : public TimerFamily
{
public:
    explicit QtTimerFamily(std::function<void(int)> onTick) : m_onTick(std::move(onTick)) {}

    ~QtTimerFamily() override
    {
        for (auto& [index, timer] : m_timers)
            retire(timer);
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
        retire(it->second);
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

    // Deleted later, because this may run inside the timer's own tick.
    static void retire(Slot& slot)
    {
        slot.timer->stop();
        slot.timer->disconnect();
        if (QCoreApplication::closingDown())
            delete slot.timer;
        else
            slot.timer->deleteLater();
    }

    std::function<void(int)> m_onTick;
    std::map<int, Slot> m_timers;
};

} // namespace

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
