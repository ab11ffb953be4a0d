#include "core/client/UpdateClient.h"

#include "core/client/ClientEvent.h"
#include "core/client/UpdateHistory.h"
#include "core/platform/CorePlatform.h"
#include "core/protocol/Requests.h"
#include "core/settings/CheckedGroups.h"
#include "core/settings/ConfigFile.h"

#include <QPointer>

UpdateClient::UpdateClient(CorePlatform& platform, UpdateScheduler::Pacing pacing)
    : m_platform(platform), m_exchange(platform), m_scheduler(*this, platform.timers, pacing)
{
    connectExchange();
}

void UpdateClient::connectExchange()
{
    connect(&m_exchange, &ServerExchange::started, this,
            [this](const QString&, const QString& statusText) { emit statusChanged(statusText); });
    connect(&m_exchange, &ServerExchange::busyChanged, this, [this](bool busy) { m_exchangeBusy = busy; });
    connect(&m_exchange, &ServerExchange::failed, this, [this](const QString& statusText, const QString& reason) {
        emit failed(statusText);
        report({ClientEvent::Kind::Failure, QString(), QString(), reason});
    });
    connect(&m_exchange, &ServerExchange::groupFailed, this, [this](const QString& group, const QString& reason) {
        emit updateVerdict(false);
        report({ClientEvent::Kind::GroupFailed, group, m_settings.currentIP, reason});
    });
    // A reply posted before the client ended finds no one to take it.
    const QPointer<UpdateClient> self(this);
    const auto handledBy = [self](void (UpdateClient::*handle)(const QString&)) {
        return [self, handle](const QString& reply, const QString&) {
            if (self)
                (self.data()->*handle)(reply);
        };
    };
    m_exchange.processors = {
        {Requests::myIPTag, handledBy(&UpdateClient::handleAddressReply)},
        {Requests::newsTag, handledBy(&UpdateClient::handleNewsReply)},
        {Requests::hostsTag, handledBy(&UpdateClient::handleHostsReply)},
        {Requests::versionTag, handledBy(&UpdateClient::handleVersionReply)},
        {Requests::updateTag,
         [self](const QString& reply, const QString& group) {
             if (self)
                 self->handleUpdateReply(reply, group);
         }},
    };
    m_exchange.updateTag = Requests::updateTag;
    m_exchange.onUnloaded = [this](ExchangeEnd end) {
        m_scheduler.exchangeEnded();
        emit exchangeEnded(end);
    };
}

UpdateClient::~UpdateClient()
{
    m_exchange.onUnloaded = nullptr;
}

void UpdateClient::setServer(const QString& host, quint16 port)
{
    m_serverHost = host;
    m_serverPort = port;
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
    command.serverHost = m_serverHost;
    command.serverPort = m_serverPort;
    command.address = m_settings.currentIP;
    m_exchange.submit(std::move(command));
}

void UpdateClient::submitAccountCommand(const QString& tag, const QString& statusText, const QString& word)
{
    ExchangeCommand command;
    command.tag = tag;
    command.statusText = statusText;
    command.requestText = Requests::accountRequest(word, m_settings.userName, m_settings.password);
    submit(std::move(command));
}

void UpdateClient::checkAddress()
{
    if (m_settings.useStaticIP) {
        emit fixedAddressInUse();
        return;
    }
    submitAccountCommand(Requests::myIPTag, tr("Checking for new IP..."), QStringLiteral("getMyIP"));
}

void UpdateClient::refreshHostList()
{
    m_hostsRequestPending = true;
    submitAccountCommand(Requests::hostsTag, tr("Refreshing hosts..."), QStringLiteral("getHosts"));
}

void UpdateClient::checkVersion()
{
    m_upgradeOffered = false;
    checkVersionQuietly();
}

void UpdateClient::checkVersionQuietly()
{
    submitAccountCommand(Requests::versionTag, tr("Checking version info..."), QStringLiteral("checkVersion"));
}

void UpdateClient::checkNews()
{
    submitAccountCommand(Requests::newsTag, tr("Checking news..."), QStringLiteral("checkNews"));
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
    ExchangeCommand command;
    command.tag = Requests::updateTag;
    command.statusText = tr("Updating selected groups...");
    command.updateRequests.reserve(std::size_t(count));
    for (qsizetype i = 0; i < count; ++i)
        command.updateRequests.push_back(
            Requests::groupUpdateRequest(m_settings.userName, m_settings.password, groups[i], m_settings.currentIP));
    submit(std::move(command));
    emit groupUpdateStarted(int(count));
}

void UpdateClient::setGroupChecked(int index, bool checked)
{
    if (!m_groupListReady || index < 0 || index >= int(m_hostList.groups.size()))
        return;
    HostList::Group& group = m_hostList.groups[std::size_t(index)];
    group.checked = checked;
    m_settings.checkedGroups = checked ? CheckedGroups::added(m_settings.checkedGroups, group.name)
                                       : CheckedGroups::removed(m_settings.checkedGroups, group.name);
}

void UpdateClient::keepHistory()
{
    m_history = std::make_unique<UpdateHistory>(m_platform.files, ConfigFile::path(m_platform));
}
