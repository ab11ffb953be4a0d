#include "core/platform/qt/QtTimers.h"
#include "support/TestSupport.h"

// Told by the order of events, not by measured times: a restart at 200 is due at 500, after a mark at
// 350 that the first start (due at 300) would have beaten.
TEST(QtTimers, ARestartCountsFromNowAndASingleShotFiresOnce)
{
    QtTimers timers;
    QStringList events;
    auto timer = timers.createTimer("t", TimerMode::SingleShot, [&] { events.append("fired"); });
    timer->start(300);
    QTimer::singleShot(200, [&] { timer->start(300); });
    QTimer::singleShot(350, [&] { events.append("mark"); });
    QTimer::singleShot(900, [&] { events.append("end"); });
    runUntil([&] { return events.contains("end"); }, 5000);
    EXPECT_EQ(events, QStringList({"mark", "fired", "end"}));
    EXPECT_FALSE(timer->isActive());
}
