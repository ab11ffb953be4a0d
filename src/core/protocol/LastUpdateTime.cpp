#include "core/protocol/LastUpdateTime.h"

#include <QDateTime>
#include <QLocale>

namespace {

// What a format pattern puts after its first field made of one of `fieldLetters`: "M/d/yy" gives
// "/", "yy. M. d." gives ".", "h:mm AP" gives ":". Blanks and quoted literals are not separators.
QString separatorAfterField(const QString& pattern, QLatin1StringView fieldLetters, const QString& fallback)
{
    qsizetype i = 0;
    while (i < pattern.size() && !fieldLetters.contains(pattern[i]))
        ++i;
    if (i == pattern.size())
        return fallback;
    const QChar field = pattern[i];
    while (i < pattern.size() && pattern[i] == field)
        ++i;
    const qsizetype start = i;
    while (i < pattern.size() && !pattern[i].isLetter() && pattern[i] != QLatin1Char('\''))
        ++i;
    const QString separator = pattern.sliced(start, i - start).trimmed();
    return separator.isEmpty() ? fallback : separator;
}

// Whether a date pattern puts the month first, as "M/d/yy" does.
bool startsWithMonth(const QString& pattern)
{
    for (const QChar letter : pattern) {
        if (letter == QLatin1Char('M'))
            return true;
        if (letter == QLatin1Char('d') || letter == QLatin1Char('y'))
            return false;
    }
    return false;
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

namespace LastUpdateTime {

QString format(const QDateTime& time, const QLocale& locale)
{
    // Month, day and year in that order read as another date where the day comes first.
    if (locale.language() != QLocale::C && !startsWithMonth(locale.dateFormat(QLocale::ShortFormat)))
        return locale.toString(time, QLocale::ShortFormat);
    const QString dateSeparator =
        separatorAfterField(locale.dateFormat(QLocale::ShortFormat), QLatin1StringView("dMy"), QStringLiteral("/"));
    const QString timeSeparator =
        separatorAfterField(locale.timeFormat(QLocale::ShortFormat), QLatin1StringView("hH"), QStringLiteral(":"));
    const QDate date = time.date();
    const QTime clock = time.time();
    return twoDigits(date.month()) + dateSeparator + twoDigits(date.day()) + dateSeparator +
           twoDigits(date.year() % 100) + QLatin1Char(' ') + twoDigits(clock.hour()) + timeSeparator +
           twoDigits(clock.minute());
}

} // namespace LastUpdateTime
