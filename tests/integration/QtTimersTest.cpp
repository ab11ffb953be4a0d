#include "core/platform/qt/QtTimers.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>

TEST(QtTimers, ARestartCountsFromNowAndASingleShotFiresOnce)
{
    QtTimers timers;
    QElapsedTimer clock;
    std::vector<qint64> firedAt;
    auto timer =
        timers.createTimer(QStringLiteral("t"), TimerMode::SingleShot, [&] { firedAt.push_back(clock.elapsed()); });
    clock.start();
    timer->start(300);
    QTimer::singleShot(200, [&] { timer->start(300); });
    runUntil([] { return false; }, 700);
    ASSERT_EQ(firedAt.size(), 1u);
    EXPECT_GE(firedAt[0], 450) << "restarted at 200, so not due at 300";
    EXPECT_FALSE(timer->isActive());
}
