#pragma once

#include <QString>

class QDateTime;
class QLocale;

namespace LastUpdateTime {

// The time as month, day and two-digit year, then hour (24-hour clock) and minute, each two digits
// ("12/05/26 07:03"), written with the locale's own date and time separators. Separators that the
// locale's short formats do not reveal fall back to "/" and ":".
QString format(const QDateTime& time, const QLocale& locale);

} // namespace LastUpdateTime
