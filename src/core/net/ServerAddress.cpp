#include "core/net/ServerAddress.h"

#include <QCoreApplication>

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

QString serverAddressProblem(const QString& text)
{
    return QCoreApplication::translate("ServerAddress", "--server needs HOST:PORT, not \"%1\"").arg(text);
}

std::optional<ServerAddress> serverOption(const QStringList& arguments, QString* problem)
{
    static const QString option = QStringLiteral("--server");
    std::optional<ServerAddress> server;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString value;
        if (arguments[i] == option)
            value = arguments.value(++i);
        else if (arguments[i].startsWith(option + QLatin1Char('=')))
            value = arguments[i].sliced(option.size() + 1);
        else
            continue;
        server = parseServerAddress(value);
        if (!server) {
            *problem = serverAddressProblem(value);
            return std::nullopt;
        }
    }
    return server;
}
