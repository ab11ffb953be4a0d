#include "core/protocol/LastUpdateTime.h"

#include <QDateTime>
#include <QLocale>

#include <gtest/gtest.h>

TEST(LastUpdateTimeTest, IsMonthDayYearWhereTheLocaleReadsMonthFirstElseTheLocalesShortFormat)
{
    const QDateTime morning(QDate(2026, 12, 5), QTime(7, 3, 59));
    const std::pair<QLocale, const char*> cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), "12/05/26 07:03"},
        {QLocale(QLocale::German, QLocale::Germany), "05.12.26 07:03"},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), "05/12/2026 07:03"},
        {QLocale(QLocale::Finnish, QLocale::Finland), "5.12.2026 7.03"},
    };
    for (const auto& [locale, text] : cases)
        EXPECT_EQ(LastUpdateTime::format(morning, locale), text) << locale.name().toStdString();
    // The C locale writes "d MMM yyyy", with blanks only; it keeps the program's own form.
    EXPECT_EQ(LastUpdateTime::format(QDateTime(QDate(2009, 1, 2), QTime(23, 45)), QLocale::c()), "01/02/09 23:45");
}
