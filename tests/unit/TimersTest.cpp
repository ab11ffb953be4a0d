#include "support/fakes/FakeClock.h"

#include <gtest/gtest.h>

TEST(FakeClockTimers, ARestartCountsFromNowAndDueTimersFireInTimeOrderWithPostedTasksBetween)
{
    FakeClock clock;
    QStringList seen;
    auto minute = clock.createTimer(QStringLiteral("minute"), TimerMode::Repeating, [&] { seen.append("minute"); });
    auto once = clock.createTimer(QStringLiteral("once"), TimerMode::SingleShot, [&] {
        seen.append("once");
        clock.post([&] { seen.append("posted"); });
        seen.append("once ended");
    });
    minute->start(1000);
    clock.advance(600);
    minute->start(1000);
    clock.advance(999);
    EXPECT_TRUE(seen.isEmpty()) << "restarted at 600, so not due at 1000";
    clock.advance(1);
    EXPECT_EQ(seen, QStringList{"minute"});

    once->start(1500);
    clock.advance(60000 - 1600);
    EXPECT_EQ(std::pair(once->isActive(), minute->isActive()), std::pair(false, true));
    EXPECT_EQ(seen.mid(0, 6), (QStringList{"minute", "minute", "once", "once ended", "posted", "minute"}));
    EXPECT_EQ(std::pair(clock.firings(QStringLiteral("minute")), clock.firings(QStringLiteral("once"))),
              std::pair(59, 1));
}

TEST(FakeClockTimers, ATimerMayBeDestroyedInItsOwnTimeout)
{
    FakeClock clock;
    std::unique_ptr<Timer> timer;
    int fired = 0;
    timer = clock.createTimer(QStringLiteral("t"), TimerMode::Repeating, [&] {
        ++fired;
        timer.reset();
    });
    timer->start(10);
    clock.advance(100);
    EXPECT_EQ(fired, 1);
}
