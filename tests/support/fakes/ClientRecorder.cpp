#include "support/fakes/ClientRecorder.h"

#include "core/client/UpdateClient.h"

ClientRecorder::ClientRecorder(UpdateClient& client)
{
    const auto status = [this](const QString& text) { lines << QStringLiteral("status ") + text; };
    QObject::connect(&client, &UpdateClient::statusChanged, status);
    QObject::connect(&client, &UpdateClient::failed, status);
    QObject::connect(&client, &UpdateClient::updateVerdict, [status](bool allSucceeded) {
        status(allSucceeded ? QStringLiteral(" Update successful") : QStringLiteral(" Update failed"));
    });
    QObject::connect(&client, &UpdateClient::lastUpdateChanged, [this](const QDateTime& when) {
        lines << QStringLiteral("last update ") + when.toString(Qt::ISODate);
    });
    QObject::connect(&client, &UpdateClient::addressChanged, [this] { lines << QStringLiteral("address"); });
    QObject::connect(&client, &UpdateClient::hostListChanged, [this](const HostList& list) {
        lines << QStringLiteral("host list of %1 groups").arg(list.groups.size());
    });
    QObject::connect(&client, &UpdateClient::accountRefused, [this] { lines << QStringLiteral("account refused"); });
    QObject::connect(&client, &UpdateClient::fixedAddressInUse, [this] { lines << QStringLiteral("fixed address"); });
    QObject::connect(&client, &UpdateClient::noUpgradeAvailable, [this] { lines << QStringLiteral("no upgrade"); });
    QObject::connect(&client, &UpdateClient::upgradeAvailable,
                     [this](const QString& downloadUrl) { lines << QStringLiteral("upgrade ") + downloadUrl; });
    QObject::connect(&client, &UpdateClient::newsArrived, [this](const QString& text, const QString& webPage) {
        lines << QStringLiteral("news ") + webPage + QLatin1Char(' ') + text;
    });
}

QString ClientRecorder::lastStatus() const
{
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        if (lines[i].startsWith(QLatin1String("status ")))
            return lines[i].mid(7);
    }
    return QString();
}
