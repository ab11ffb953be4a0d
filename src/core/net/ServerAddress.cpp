#include "core/net/ServerAddress.h"

std::optional<ServerAddress> parseServerAddress(const QString& text)
{
    const qsizetype colon = text.lastIndexOf(u':');
    if (colon <= 0)
        return std::nullopt;
    QString host = text.left(colon);
    if (host.startsWith(u'[') && host.endsWith(u']'))
        host = host.mid(1, host.size() - 2);
    else if (host.contains(u':'))
        return std::nullopt;
    bool ok = false;
    const int port = text.mid(colon + 1).toInt(&ok);
    if (host.isEmpty() || !ok || port < 1 || port > 65535)
        return std::nullopt;
    return ServerAddress{host, quint16(port)};
}
