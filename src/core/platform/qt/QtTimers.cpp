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

} // namespace

std::unique_ptr<Timer> QtTimers::createTimer(const QString&, TimerMode mode, std::function<void()> onTimeout)
{
    return std::make_unique<QtTimer>(mode, std::move(onTimeout));
}

void QtTimers::post(std::function<void()> task)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(task), Qt::QueuedConnection);
}

QDateTime QtTimers::now() const
{
    return QDateTime::currentDateTime();
}
