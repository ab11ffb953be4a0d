#pragma once

#include "core/client/UpdateScheduler.h"
#include "core/net/ServerExchange.h"
#include "core/protocol/Replies.h"
#include "core/settings/Settings.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>

#include <memory>

class UpdateHistory;
struct ClientEvent;
struct CorePlatform;

// Highest index of what a host list shows and an update sends (32001 entries at most).
inline constexpr int kListUpperBound = 32000;

// The client without its windows: holds the settings, sends the commands to the server, applies the
// replies, keeps the history, and runs the schedule. What it has to show it signals; the desktop and
// the command line each show it in their own way.
class UpdateClient : public QObject
{
    Q_OBJECT

public:
    UpdateClient(CorePlatform& platform, UpdateScheduler::Pacing pacing);
    ~UpdateClient() override;

    // What DNS.conf holds; the front ends load, edit and save it.
    Settings& settings() { return m_settings; }
    const Settings& settings() const { return m_settings; }
    CorePlatform& platform() { return m_platform; }
    UpdateScheduler& scheduler() { return m_scheduler; }
    ServerExchange& exchange() { return m_exchange; }
    // Where the commands go; an empty host is the built-in server.
    void setServer(const QString& host, quint16 port);
    // Busy from the start of a command until its exchange has unloaded.
    bool exchangeBusy() const { return m_exchangeBusy; }
    // The last host list was accepted and has at least one group.
    bool hasGroupList() const { return m_groupListReady; }
    // While the preferences dialog is open, a learned address is shown there instead of in the status line.
    void setPreferencesOpen(bool open) { m_preferencesOpen = open; }

    // Asks the server for the address it sees; with a fixed address only says that one is in use.
    void checkAddress();
    void refreshHostList();
    // The user's version check: a newer program is offered again even if it was declined.
    void checkVersion();
    // The cycle's version check: a newer program is offered once a run.
    void checkVersionQuietly();
    void checkNews();
    // One exchange with an update request for each checked group of the last host list.
    void sendGroupUpdate();
    // One exchange with an update request for each of `groups`.
    void sendGroupUpdate(const QStringList& groups);
    // The user checked or unchecked group `index` of the host list.
    void setGroupChecked(int index, bool checked);

    // The last host list, its groups marked as checked or not, each with its hosts; empty after a
    // refused account.
    const HostList& hostList() const { return m_hostList; }
    QStringList checkedGroupNames() const;

    // The replies, as the exchange hands them over.
    void handleAddressReply(const QString& reply);
    void handleHostsReply(const QString& reply);
    void handleUpdateReply(const QString& reply, const QString& group);
    void handleVersionReply(const QString& reply);
    void handleNewsReply(const QString& reply);

    // From now on what happens goes into the history beside the settings file.
    void keepHistory();
    const UpdateHistory* history() const { return m_history.get(); }
    // Something happened: the history keeps it, then happened() tells it.
    void report(const ClientEvent& event);

signals:
    // The status line: progress and verdicts, each replacing the one before.
    void statusChanged(const QString& text);
    // A status text that reports a failure: a connection, a time-out, a reply that made no sense.
    void failed(const QString& text);
    // The verdict of the group updates so far: all answered with success, or not.
    void updateVerdict(bool allSucceeded);
    // A group's update was answered at `when`.
    void lastUpdateChanged(const QDateTime& when);
    // The current address has been learned (or the fixed one is in use).
    void addressChanged(const QString& address);
    // The host list arrived; its groups carry their check marks.
    void hostListChanged(const HostList& list);
    // The server refused the account's user name or password.
    void accountRefused();
    // The user asked for an IP check while a fixed address is in use.
    void fixedAddressInUse();
    // The version check found no newer program.
    void noUpgradeAvailable();
    // A newer program can be fetched from `downloadUrl`.
    void upgradeAvailable(const QString& downloadUrl);
    // The service's news: the message, and the page it names (empty when it is no web page).
    void newsArrived(const QString& text, const QString& webPage);

    // Something happened: the history has it already.
    void happened(const ClientEvent& event);
    // The host list's reply has been shown; `accepted` is false when the account was refused.
    void listAnswered(bool accepted);
    // A group update with `groups` requests has been sent.
    void groupUpdateStarted(int groups);
    void exchangeEnded(ExchangeEnd end);
    void historyNotWritten(const QString& path);

private:
    // Gives the exchange a command, addressed to the server set.
    void submit(ExchangeCommand command);
    // Gives the exchange a command whose request is `word`, the user name and the password.
    void submitAccountCommand(const QString& tag, const QString& statusText, const QString& word);
    void connectExchange();

    CorePlatform& m_platform;
    Settings m_settings;
    QString m_serverHost;
    quint16 m_serverPort = 0;
    bool m_exchangeBusy = false;
    bool m_hostsRequestPending = false;
    bool m_groupListReady = false;
    bool m_upgradeOffered = false;
    bool m_preferencesOpen = false;
    HostList m_hostList;
    std::unique_ptr<UpdateHistory> m_history;
    ServerExchange m_exchange;
    UpdateScheduler m_scheduler;
};
