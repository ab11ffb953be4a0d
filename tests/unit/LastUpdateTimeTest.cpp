#include "core/protocol/LastUpdateTime.h"

#include <QDateTime>
#include <QLocale>

#include <gtest/gtest.h>

TEST(LastUpdateTimeTest, IsMonthDayYearHourMinuteWithTheLocaleSeparatorsElseSlashAndColon)
{
    const QDateTime morning(QDate(2026, 12, 5), QTime(7, 3, 59));
    const std::pair<QLocale, const char*> cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), "12/05/26 07:03"},
        {QLocale(QLocale::German, QLocale::Germany), "12.05.26 07:03"},
        {QLocale(QLocale::Finnish, QLocale::Finland), "12.05.26 07.03"},
        // "yy. M. d." and "AP h:mm": found past blanks and a leading day period.
        {QLocale(QLocale::Korean, QLocale::SouthKorea), "12.05.26 07:03"},
    };
    for (const auto& [locale, text] : cases)
        EXPECT_EQ(LastUpdateTime::format(morning, locale), text) << locale.name().toStdString();
    // The C locale writes "d MMM yyyy": blanks only.
    EXPECT_EQ(LastUpdateTime::format(QDateTime(QDate(2009, 1, 2), QTime(23, 45)), QLocale::c()), "01/02/09 23:45");
}
