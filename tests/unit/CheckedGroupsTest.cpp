#include "core/settings/CheckedGroups.h"

#include <gtest/gtest.h>

using namespace CheckedGroups;

TEST(CheckedGroups, EntriesMatchWholeInUpperCaseAreAddedOnceAndRemovedEverywhere)
{
    EXPECT_FALSE(contains("AB:", "B") || contains("AB:", "A"));
    EXPECT_TRUE(contains("AB:B:", "B") && contains("µNET:", "µnet"));

    EXPECT_EQ(added("AB:", "b"), QStringLiteral("AB:B:"));
    EXPECT_EQ(added("AB:B:", "B"), QStringLiteral("AB:B:"));
    EXPECT_EQ(removed("B:AB:B:BC:B:", "b"), QStringLiteral("AB:BC:"));
    EXPECT_EQ(removed("AB:OFFICE:", "B"), QStringLiteral("AB:OFFICE:"));
}
