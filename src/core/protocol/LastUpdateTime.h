#pragma once

#include <QString>

class QDateTime;
class QLocale;

namespace LastUpdateTime {

// Where the locale writes the month first, and in the C locale: month, day and two-digit year, then
// hour (24-hour clock) and minute, each two digits ("12/05/26 07:03"), with the locale's own date and
// time separators, falling back to "/" and ":". Elsewhere the locale's own short date and time.
QString format(const QDateTime& time, const QLocale& locale);

} // namespace LastUpdateTime
