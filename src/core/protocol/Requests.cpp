#include "core/protocol/Requests.h"

namespace Requests {

QString accountRequest(const QString& word, const QString& userName, const QString& password)
{
    return word + QLatin1Char(':') + userName + QLatin1Char(':') + password + QLatin1Char(':');
}

QString groupUpdateRequest(const QString& userName, const QString& password, const QString& group,
                           const QString& address)
{
    return QStringLiteral("update:") + userName + QLatin1Char(':') + password + QStringLiteral(":g") + group +
           QLatin1Char(':') + address + QLatin1Char(':');
}

} // namespace Requests
