#include "core/settings/CheckedGroups.h"

#include "core/protocol/Scrambler.h"

#include <QStringList>

namespace CheckedGroups {

bool contains(const QString& list, const QString& name)
{
    return (QLatin1Char(':') + list).contains(QLatin1Char(':') + Scrambler::upperCase(name) + QLatin1Char(':'));
}

QString added(const QString& list, const QString& name)
{
    return contains(list, name) ? list : list + Scrambler::upperCase(name) + QLatin1Char(':');
}

QString removed(const QString& list, const QString& name)
{
    const QString entry = Scrambler::upperCase(name);
    const QStringList parts = list.split(QLatin1Char(':'));
    QString result;
    result.reserve(list.size());
    // Every part but the last was followed by ":"; the last is whatever follows the final ":".
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        if (parts[i] != entry)
            result += parts[i] + QLatin1Char(':');
    }
    result += parts.last();
    return result;
}

} // namespace CheckedGroups
