#pragma once

#include "core/client/UpdateScheduler.h"
#include "core/net/ServerExchange.h"
#include "core/protocol/Replies.h"

#include <QObject>
#include <QStringList>

#include <memory>

class ClientView;
class UpdateHistory;
struct ClientEvent;
struct ClientState;
struct CorePlatform;

// The client without its windows: sends the commands to the server, applies the replies, keeps the
// history, and runs the schedule. The desktop and the command line each give it the view that
// shows what happens.
class UpdateClient : public QObject
{
    Q_OBJECT

public:
    UpdateClient(ClientState& state, CorePlatform& platform, std::unique_ptr<ClientView> view,
                 UpdateScheduler::Pacing pacing);
    ~UpdateClient() override;

    ClientState& state() { return m_state; }
    CorePlatform& platform() { return m_platform; }
    UpdateScheduler& scheduler() { return m_scheduler; }
    ServerExchange& exchange();
    // What the replies are shown on: the front end's view, kept in the state.
    ClientView& view();

    // The user's check for a new address: a new one is told in the status line.
    void checkAddress();
    // The check at start-up, which only shows what it finds.
    void checkAddressQuietly();
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

    // The last host list, its groups marked as checked or not; empty after a refused account.
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

signals:
    // Something happened: the history has it already.
    void happened(const ClientEvent& event);
    // The host list's reply has been shown; `accepted` is false when the account was refused.
    void listAnswered(bool accepted);
    // A group update with `groups` requests has been sent.
    void groupUpdateStarted(int groups);
    void exchangeEnded(ExchangeEnd end);
    void historyNotWritten(const QString& path);

private:
    void report(const ClientEvent& event);
    // Gives the exchange a command, addressed to the settings' server.
    void submit(ExchangeCommand command);
    // Gives the exchange a command whose request is `word`, the user name and the password.
    void submitAccountCommand(const QString& tag, const QString& statusText, const QString& word);
    std::shared_ptr<ServerExchange> makeExchange();

    ClientState& m_state;
    CorePlatform& m_platform;
    UpdateScheduler m_scheduler;
    HostList m_hostList;
    std::unique_ptr<UpdateHistory> m_history;
};
