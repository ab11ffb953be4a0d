#include "protocol/LastUpdateTime.h"

#include <QDateTime>
#include <QLocale>

#include <gtest/gtest.h>

namespace {
const QDateTime kMorning(QDate(2026, 12, 5), QTime(7, 3, 59));
}

TEST(LastUpdateTimeTest, IsMonthDayYearHourMinuteWithTheLocaleSeparators)
{
    EXPECT_EQ(LastUpdateTime::format(kMorning, QLocale(QLocale::English, QLocale::UnitedStates)), "12/05/26 07:03");
    EXPECT_EQ(LastUpdateTime::format(kMorning, QLocale(QLocale::German, QLocale::Germany)), "12.05.26 07:03");
    EXPECT_EQ(LastUpdateTime::format(kMorning, QLocale(QLocale::Swedish, QLocale::Sweden)), "12-05-26 07:03");
    EXPECT_EQ(LastUpdateTime::format(kMorning, QLocale(QLocale::Finnish, QLocale::Finland)), "12.05.26 07.03");
}

TEST(LastUpdateTimeTest, SeparatorsAreFoundPastBlanksAndLeadingDayPeriods)
{
    // "yy. M. d." and "AP h:mm"
    EXPECT_EQ(LastUpdateTime::format(kMorning, QLocale(QLocale::Korean, QLocale::SouthKorea)), "12.05.26 07:03");
}

TEST(LastUpdateTimeTest, FormatsWithoutASeparatorFallBackToSlashAndColon)
{
    // The C locale writes "d MMM yyyy": blanks only.
    EXPECT_EQ(LastUpdateTime::format(QDateTime(QDate(2009, 1, 2), QTime(23, 45)), QLocale::c()), "01/02/09 23:45");
}
