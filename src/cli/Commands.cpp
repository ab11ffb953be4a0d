// The commands that run once: update, status, and the ones that change a setting.
#include "cli/Commands.h"

#include "cli/CliClient.h"
#include "cli/ConsoleView.h"
#include "cli/Terminal.h"
#include "core/client/UpdateClient.h"
#include "core/client/UpdateCycle.h"
#include "core/client/UpdateHistory.h"
#include "core/platform/CorePlatform.h"
#include "core/protocol/Replies.h"
#include "core/protocol/SafeText.h"
#include "core/protocol/Scrambler.h"
#include "core/settings/CheckedGroups.h"
#include "core/settings/ConfigFile.h"

#include <QCoreApplication>

#include <algorithm>

using UpdateCycle::kShortestInterval;

namespace {

// The checked-groups entries that name no group of the host list.
QStringList uncheckableEntries(const QString& checkedGroups, const HostList& list)
{
    QStringList missing;
    for (const QString& entry : entriesOf(checkedGroups)) {
        const bool listed = std::any_of(list.groups.begin(), list.groups.end(), [&](const HostList::Group& group) {
            return Scrambler::upperCase(group.name) == entry;
        });
        if (!listed)
            missing.append(entry);
    }
    return missing;
}

// The IP check (unless the address is fixed), then the host list, then the update of every
// checked group, each step started once the one before is through.
class UpdateRun
{
public:
    explicit UpdateRun(CliClient& client) : m_client(client) {}

    int exec()
    {
        Settings& settings = m_client.settings();
        QObject::connect(&m_client.client(), &UpdateClient::listAnswered,
                         [this](bool accepted) { m_accountRefused = !accepted; });
        // The IP check of a fixed address is only its notice, with no exchange to wait for.
        m_client.client().checkAddress();
        if (settings.useStaticIP)
            fetchHosts();
        else
            m_client.afterExchange(
                [this](ExchangeEnd end) { wasAnswered(end) ? fetchHosts() : finish(kExitUnreachable); });
        return QCoreApplication::exec();
    }

private:
    void fetchHosts()
    {
        m_client.client().refreshHostList();
        m_client.afterExchange([this](ExchangeEnd end) {
            if (!wasAnswered(end))
                finish(kExitUnreachable);
            else if (m_accountRefused)
                finish(kExitFailed);
            else
                update();
        });
    }

    void update()
    {
        if (m_client.settings().currentIP.isEmpty()) {
            m_client.printError(QCoreApplication::translate("Commands", "no IP address to send"));
            finish(kExitFailed);
            return;
        }
        // A checked group that the account no longer has cannot be updated.
        const QStringList missing = uncheckableEntries(m_client.settings().checkedGroups, m_client.client().hostList());
        for (const QString& entry : missing)
            m_client.printError(QCoreApplication::translate("Commands", "%1: not in this account").arg(entry));
        m_anyFailed = !missing.isEmpty();
        m_pending = m_client.client().checkedGroupNames();
        if (m_pending.isEmpty() && missing.isEmpty())
            m_client.view().print(QCoreApplication::translate("Commands", "No group is checked: nothing to update"));
        updateNext();
    }

    void updateNext()
    {
        if (m_pending.isEmpty()) {
            finish(m_anyFailed ? kExitFailed : kExitDone);
            return;
        }
        m_client.client().sendGroupUpdate(QStringList{m_pending.takeFirst()});
        m_client.afterExchange([this](ExchangeEnd end) {
            if (!wasAnswered(end)) {
                finish(kExitUnreachable);
                return;
            }
            m_anyFailed = m_anyFailed || m_client.client().exchange().updateFailed;
            updateNext();
        });
    }

    void finish(int status)
    {
        // The learned address is kept whatever became of the update.
        m_client.saveSettings();
        QCoreApplication::exit(status);
    }

    CliClient& m_client;
    bool m_accountRefused = false;
    bool m_anyFailed = false;
    QStringList m_pending;
};

QString checkMark(bool checked)
{
    return checked ? QStringLiteral("[x] ") : QStringLiteral("[ ] ");
}

// Text that goes into a scrambled field of the settings file and on the wire. False, with the reason
// told, for characters neither can carry; characters that the scrambling turns into others are kept,
// with a warning, as the desktop program keeps them.
bool isStorable(CliClient& client, const QString& what, const QString& text)
{
    const QString unstorable = SafeText::unstorableCharacters(text);
    if (!unstorable.isEmpty()) {
        client.printError(
            QCoreApplication::translate("Commands", "%1 holds characters that the settings file cannot keep: %2")
                .arg(what, unstorable));
        return false;
    }
    const QString changed = Scrambler::charactersScramblingChanges(text);
    if (!changed.isEmpty()) {
        client.printWarning(QCoreApplication::translate(
                                "Commands", "%1 holds \"%2\", which the server and the settings file read as \"%3\"")
                                .arg(what, changed, Scrambler::unscrambleText(Scrambler::scrambleText(changed))));
    }
    return true;
}

// Takes the settings for a command that changes them; false once the reason is told.
bool openSettingsToChange(CliClient& client)
{
    return client.lockSettings(kSettingsWaitMs) && client.loadSettings(false);
}

} // namespace

bool hasUsableAddress(CliClient& client)
{
    const Settings& settings = client.settings();
    if (!settings.useStaticIP || isDottedDecimal(settings.currentIP))
        return true;
    client.printError(QCoreApplication::translate(
                          "Commands", "the fixed address \"%1\" is no IPv4 address; set one with \"veltaro-cli "
                                      "address A.B.C.D\", or \"veltaro-cli address auto\" to learn it from the "
                                      "server")
                          .arg(settings.currentIP));
    return false;
}

int runUpdate(CliClient& client)
{
    if (!client.lockSettings(kSettingsWaitMs) || !client.loadSettings(true) || !hasUsableAddress(client))
        return kExitUsage;
    client.client().keepHistory();
    UpdateRun run(client);
    return run.exec();
}

int runStatus(CliClient& client)
{
    if (!client.loadSettings(true))
        return kExitUsage;
    const Settings& settings = client.settings();
    ConsoleView& view = client.view();
    view.print(QCoreApplication::translate("Commands", "Account: ") + settings.userName);
    const QString address =
        settings.currentIP.isEmpty() ? QCoreApplication::translate("Commands", "(not known yet)") : settings.currentIP;
    view.print(
        QCoreApplication::translate("Commands", "IP address: %1%2")
            .arg(address, settings.useStaticIP ? QCoreApplication::translate("Commands", " (fixed)") : QString()));
    view.print(settings.updateInterval > 0
                   ? QCoreApplication::translate("Commands", "Update interval: %1 minutes").arg(settings.updateInterval)
                   : QCoreApplication::translate("Commands", "Update interval: none set (run updates every %1 minutes)")
                         .arg(kShortestInterval));
    view.print(QCoreApplication::translate("Commands", "Automatic updates: ") +
               (settings.autoUpdate == 1 ? QStringLiteral("on") : QStringLiteral("off")));

    bool accepted = false;
    QObject::connect(&client.client(), &UpdateClient::listAnswered,
                     [&accepted](bool isAccepted) { accepted = isAccepted; });
    client.client().refreshHostList();
    client.afterExchange([&](ExchangeEnd end) {
        if (!wasAnswered(end)) {
            QCoreApplication::exit(kExitUnreachable);
            return;
        }
        if (!accepted) {
            QCoreApplication::exit(kExitFailed);
            return;
        }
        view.print(QCoreApplication::translate("Commands", "Groups:"));
        for (const HostList::Group& group : client.client().hostList().groups)
            view.print(QStringLiteral("  ") + checkMark(group.checked) + group.name);
        for (const QString& entry : uncheckableEntries(settings.checkedGroups, client.client().hostList()))
            view.print(QStringLiteral("  ") + checkMark(true) + entry +
                       QCoreApplication::translate("Commands", " (not in the account)"));
        QCoreApplication::exit(kExitDone);
    });
    return QCoreApplication::exec();
}

int runCheck(CliClient& client, const CommandLine& line)
{
    const QString name = Scrambler::upperCase(line.argument);
    if (!isStorable(client, QCoreApplication::translate("Commands", "the group name"), name) ||
        !openSettingsToChange(client))
        return kExitUsage;
    const bool check = line.command == CommandLine::Command::Check;
    QString& list = client.settings().checkedGroups;
    const bool wasChecked = CheckedGroups::contains(list, name);
    list = check ? CheckedGroups::added(list, name) : CheckedGroups::removed(list, name);
    if (!client.saveSettings())
        return kExitUsage;
    const char* done = check == wasChecked ? (check ? QT_TRANSLATE_NOOP("Commands", "%1 was checked already")
                                                    : QT_TRANSLATE_NOOP("Commands", "%1 was not checked already"))
                                           : (check ? QT_TRANSLATE_NOOP("Commands", "%1 is checked")
                                                    : QT_TRANSLATE_NOOP("Commands", "%1 is no longer checked"));
    client.view().print(QCoreApplication::translate("Commands", done).arg(name));
    return kExitDone;
}

int runAccount(CliClient& client)
{
    if (!openSettingsToChange(client))
        return kExitUsage;
    QString error;
    const std::optional<Credentials> account = readCredentials(&error);
    if (!account) {
        client.printError(error);
        return kExitUsage;
    }
    if (!isStorable(client, QCoreApplication::translate("Commands", "the user name"), account->userName) ||
        !isStorable(client, QCoreApplication::translate("Commands", "the password"), account->password))
        return kExitUsage;
    Settings& settings = client.settings();
    settings.userName = account->userName;
    settings.password = account->password;
    // As the preferences dialog does on a first start: no interval yet means the shortest one.
    if (settings.updateInterval == 0)
        settings.updateInterval = kShortestInterval;
    if (!client.saveSettings())
        return kExitUsage;
    client.view().print(QCoreApplication::translate("Commands", "The account of %1 is saved").arg(account->userName));
    return kExitDone;
}

int runSetting(CliClient& client, const CommandLine& line)
{
    if (!openSettingsToChange(client))
        return kExitUsage;
    Settings& settings = client.settings();
    QString done;
    switch (line.command) {
    case CommandLine::Command::Interval: {
        const int minutes = line.argument.toInt();
        // The preferences dialog's rule: a shorter interval is stored as the shortest.
        settings.updateInterval = std::max(minutes, kShortestInterval);
        if (minutes < kShortestInterval)
            client.printWarning(
                QCoreApplication::translate("Commands", "%1 minutes is the shortest interval").arg(kShortestInterval));
        done = QCoreApplication::translate("Commands", "Updates every %1 minutes").arg(settings.updateInterval);
        break;
    }
    case CommandLine::Command::AutoUpdate:
        settings.autoUpdate = line.argument == QLatin1String("on") ? 1 : 0;
        done = QCoreApplication::translate("Commands", "Automatic updates are ") + line.argument;
        break;
    case CommandLine::Command::Address:
        settings.useStaticIP = line.argument != QLatin1String("auto");
        if (settings.useStaticIP)
            settings.currentIP = line.argument;
        done = settings.useStaticIP
                   ? QCoreApplication::translate("Commands", "The fixed address %1 is sent; no IP check")
                         .arg(settings.currentIP)
                   : QCoreApplication::translate("Commands", "The address is learned from the server");
        break;
    default:
        return kExitUsage;
    }
    if (!client.saveSettings())
        return kExitUsage;
    client.view().print(done);
    return kExitDone;
}

int runHistory(CliClient& client, const CommandLine& line)
{
    const UpdateHistory history(client.platform.files, ConfigFile::path(client.platform));
    const QList<UpdateHistory::Entry> entries = history.entries();
    const qsizetype from = line.lastLines > 0 ? std::max<qsizetype>(0, entries.size() - line.lastLines) : 0;
    for (qsizetype i = from; i < entries.size(); ++i) {
        const UpdateHistory::Entry& entry = entries[i];
        client.view().print(
            QStringList{entry.when.toString(Qt::ISODate), entry.event, entry.group, entry.address, entry.result}.join(
                QLatin1Char('\t')));
    }
    return kExitDone;
}
