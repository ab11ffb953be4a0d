#include "core/client/UpdateClient.h"

#include "core/client/ClientState.h"
#include "core/client/ClientView.h"
#include "core/client/UpdateHistory.h"
#include "core/platform/CorePlatform.h"
#include "core/protocol/Requests.h"
#include "core/settings/CheckedGroups.h"
#include "core/settings/ConfigFile.h"

#include <QPointer>

UpdateClient::UpdateClient(ClientState& state, CorePlatform& platform, std::unique_ptr<ClientView> view,
                           UpdateScheduler::Pacing pacing)
    : m_state(state), m_platform(platform), m_scheduler(*this, state, platform.timers, pacing)
{
    m_state.view = std::move(view);
    m_state.onEvent = [this](const ClientEvent& event) { report(event); };
    m_state.exchange.setFactory([this] { return makeExchange(); });
}

std::shared_ptr<ServerExchange> UpdateClient::makeExchange()
{
    auto made = std::make_shared<ServerExchange>(m_platform);
    ServerExchange* exchange = made.get();
    connect(exchange, &ServerExchange::started, this, [this](const QString& tag, const QString& statusText) {
        view().showStatus(statusText);
        m_state.pendingCommand = tag;
    });
    connect(exchange, &ServerExchange::busyChanged, this, [this](bool busy) { m_state.exchangeBusy = busy; });
    connect(exchange, &ServerExchange::failed, this, [this](const QString& statusText, const QString& reason) {
        view().showFailure(statusText);
        report({ClientEvent::Kind::Failure, QString(), QString(), reason});
    });
    connect(exchange, &ServerExchange::groupFailed, this, [this](const QString& group, const QString& reason) {
        view().showUpdateVerdict(false);
        report({ClientEvent::Kind::GroupFailed, group, m_state.currentIP, reason});
    });
    // A reply posted before the client ended finds no one to take it.
    const QPointer<UpdateClient> self(this);
    made->processors = {
        {Requests::myIPTag,
         [self](const QString& reply, const QString&) {
             if (self)
                 self->handleAddressReply(reply);
         }},
        {Requests::newsTag,
         [self](const QString& reply, const QString&) {
             if (self)
                 self->handleNewsReply(reply);
         }},
        {Requests::hostsTag,
         [self](const QString& reply, const QString&) {
             if (self)
                 self->handleHostsReply(reply);
         }},
        {Requests::versionTag,
         [self](const QString& reply, const QString&) {
             if (self)
                 self->handleVersionReply(reply);
         }},
        {Requests::updateTag,
         [self](const QString& reply, const QString& group) {
             if (self)
                 self->handleUpdateReply(reply, group);
         }},
    };
    made->updateTag = Requests::updateTag;
    made->onUnloaded = [this](ExchangeEnd end) {
        m_scheduler.exchangeEnded();
        emit exchangeEnded(end);
    };
    return made;
}

UpdateClient::~UpdateClient()
{
    if (m_state.exchange.exists())
        m_state.exchange->onUnloaded = nullptr;
    m_state.exchange.setFactory(nullptr);
    m_state.onEvent = nullptr;
}

ServerExchange& UpdateClient::exchange()
{
    return *m_state.exchange;
}

ClientView& UpdateClient::view()
{
    return *m_state.view;
}

void UpdateClient::report(const ClientEvent& event)
{
    const bool kept = !m_history || m_history->record(event, m_platform.clock.now());
    if (event.kind == ClientEvent::Kind::NewAddress)
        m_scheduler.addressLearned();
    emit happened(event);
    if (!kept)
        emit historyNotWritten(m_history->path());
}

void UpdateClient::submit(ExchangeCommand command)
{
    command.serverHost = m_state.serverHost;
    command.serverPort = quint16(m_state.serverPort);
    command.address = m_state.currentIP;
    exchange().submit(std::move(command));
}

void UpdateClient::submitAccountCommand(const QString& tag, const QString& statusText, const QString& word)
{
    submit(ExchangeCommand{tag, statusText, Requests::accountRequest(word, m_state.userName, m_state.password), {}});
}

void UpdateClient::checkAddress()
{
    m_state.ipCheckRequested = true;
    checkAddressQuietly();
}

void UpdateClient::checkAddressQuietly()
{
    if (m_state.useStaticIP) {
        view().noticeFixedAddress();
        return;
    }
    submitAccountCommand(Requests::myIPTag, QStringLiteral("Checking for new IP..."), QStringLiteral("getMyIP"));
}

void UpdateClient::refreshHostList()
{
    m_state.hostsRequestPending = true;
    submitAccountCommand(Requests::hostsTag, QStringLiteral("Refreshing hosts..."), QStringLiteral("getHosts"));
}

void UpdateClient::checkVersion()
{
    m_state.upgradeOffered = false;
    checkVersionQuietly();
}

void UpdateClient::checkVersionQuietly()
{
    submitAccountCommand(Requests::versionTag, QStringLiteral("Checking version info..."),
                         QStringLiteral("checkVersion"));
}

void UpdateClient::checkNews()
{
    submitAccountCommand(Requests::newsTag, QStringLiteral("Checking news..."), QStringLiteral("checkNews"));
}

QStringList UpdateClient::checkedGroupNames() const
{
    QStringList names;
    for (const HostList::Group& group : m_hostList.groups) {
        if (group.checked && names.size() <= kListUpperBound)
            names.append(group.name);
    }
    return names;
}

void UpdateClient::sendGroupUpdate()
{
    sendGroupUpdate(checkedGroupNames());
}

void UpdateClient::sendGroupUpdate(const QStringList& groups)
{
    const qsizetype count = std::min<qsizetype>(groups.size(), kListUpperBound + 1);
    std::vector<QString> requests;
    requests.reserve(std::size_t(count));
    for (qsizetype i = 0; i < count; ++i)
        requests.push_back(
            Requests::groupUpdateRequest(m_state.userName, m_state.password, groups[i], m_state.currentIP));
    submit(ExchangeCommand{Requests::updateTag, QStringLiteral("Updating selected groups..."), QString(),
                           std::move(requests)});
    emit groupUpdateStarted(int(count));
}

void UpdateClient::setGroupChecked(int index, bool checked)
{
    if (!m_state.groupListReady || index < 0 || index >= int(m_hostList.groups.size()))
        return;
    HostList::Group& group = m_hostList.groups[std::size_t(index)];
    group.checked = checked;
    m_state.checkedGroups = checked ? CheckedGroups::added(m_state.checkedGroups, group.name)
                                    : CheckedGroups::removed(m_state.checkedGroups, group.name);
}

void UpdateClient::keepHistory()
{
    m_history = std::make_unique<UpdateHistory>(m_platform.files, ConfigFile::path(m_platform));
}
