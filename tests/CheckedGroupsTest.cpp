#include "state/CheckedGroups.h"

#include <gtest/gtest.h>

using namespace CheckedGroups;

TEST(CheckedGroups, MatchWholeEntriesOnly)
{
    EXPECT_FALSE(contains("AB:", "B"));
    EXPECT_FALSE(contains("AB:", "A"));
    EXPECT_FALSE(contains("", ""));
    EXPECT_TRUE(contains("AB:B:", "B"));
    EXPECT_TRUE(contains("A:B:", "A"));
    // Names compare in the upper case that the settings file gives them.
    EXPECT_TRUE(contains("µNET:", "µnet"));
}

TEST(CheckedGroups, AddAppendsANameOnlyOnce)
{
    EXPECT_EQ(added("", "HOME"), QStringLiteral("HOME:"));
    EXPECT_EQ(added("AB:", "B"), QStringLiteral("AB:B:"));
    EXPECT_EQ(added("AB:B:", "B"), QStringLiteral("AB:B:"));
}

TEST(CheckedGroups, RemoveDropsEveryEntryOfTheNameAndKeepsTheOthers)
{
    EXPECT_EQ(removed("B:AB:B:BC:B:", "B"), QStringLiteral("AB:BC:"));
    EXPECT_EQ(removed("HOME:", "HOME"), QString());
    EXPECT_EQ(removed("AB:OFFICE:", "B"), QStringLiteral("AB:OFFICE:"));
}
