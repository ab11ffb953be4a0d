#include "core/platform/Timers.h"

namespace {

// A timer as the one element of a family of its own.
class FamilyTimer : public Timer
{
public:
    FamilyTimer(TimerService& service, const QString& name, TimerMode mode, std::function<void()> onTimeout)
        : m_mode(mode), m_onTimeout(std::move(onTimeout))
    {
        m_family = service.createFamily(name, [this](int) { fire(); });
        m_family->create(kElement);
    }

    void start(int milliseconds) override
    {
        m_family->setEnabled(kElement, false);
        m_family->setInterval(kElement, milliseconds);
        m_family->setEnabled(kElement, true);
    }

    void stop() override { m_family->setEnabled(kElement, false); }
    bool isActive() const override { return m_family->isEnabled(kElement); }

private:
    static constexpr int kElement = 1;

    void fire()
    {
        if (m_mode == TimerMode::SingleShot)
            stop();
        m_onTimeout();
    }

    TimerMode m_mode;
    std::function<void()> m_onTimeout;
    std::unique_ptr<TimerFamily> m_family;
};

} // namespace

std::unique_ptr<Timer> TimerService::createTimer(const QString& name, TimerMode mode, std::function<void()> onTimeout)
{
    return std::make_unique<FamilyTimer>(*this, name, mode, std::move(onTimeout));
}
