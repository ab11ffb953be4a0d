#include "platform/qt/SingleInstance.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

TEST(SingleInstance, ALaterStartForTheSameSettingsAsksTheRunningOneToShowItself)
{
    QTemporaryDir folder;
    const QString settings = folder.filePath(QStringLiteral("DNS.conf"));
    SingleInstance running(settings);
    ASSERT_EQ(running.lock(), SingleInstance::Lock::Taken);
    int showRequests = 0;
    ASSERT_TRUE(running.listen([&showRequests] { ++showRequests; }));

    SingleInstance other(folder.filePath(QStringLiteral("other/DNS.conf")));
    EXPECT_FALSE(other.requestShow(1000)) << "no program runs with those settings";

    SingleInstance later(settings);
    EXPECT_EQ(later.lock(), SingleInstance::Lock::HeldElsewhere);
    ASSERT_TRUE(later.requestShow(1000));
    EXPECT_TRUE(QTest::qWaitFor([&showRequests] { return showRequests == 1; }, 5000));
}
