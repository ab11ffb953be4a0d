#include "desktop/platform/qt/QtShutdown.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

// The UI thread never picks the first signal up here, as when it is stuck.
TEST(QtShutdownDeathTest, ASecondSignalEndsTheProgramAtOnce)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            installShutdownHandlers([] {});
            std::raise(SIGTERM);
            std::raise(SIGHUP);
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(128 + SIGHUP), "second signal");
}
