#include "core/client/UpdateClient.h"

#include "core/client/ClientState.h"
#include "core/client/ClientView.h"
#include "core/client/UpdateHistory.h"
#include "core/platform/CorePlatform.h"
#include "core/protocol/Lumeris_Commands.h"
#include "core/settings/CheckedGroups.h"
#include "core/settings/ConfigFile.h"

// Hands each reply on to the front end's view, and keeps what the client needs of it.
class UpdateClient::ViewRelay : public ClientView
{
public:
    explicit ViewRelay(UpdateClient& client) : m_client(client) {}

    void showStatus(const QString& text) override { view().showStatus(text); }
    void showFailure(const QString& text) override { view().showFailure(text); }
    void showUpdateVerdict(bool allSucceeded) override { view().showUpdateVerdict(allSucceeded); }
    void showLastUpdate(const QDateTime& when) override { view().showLastUpdate(when); }
    void showAddress() override { view().showAddress(); }
    void showAddressInPreferences(const QString& address) override { view().showAddressInPreferences(address); }
    void noticeFixedAddress() override { view().noticeFixedAddress(); }
    void noticeNoUpgrade() override { view().noticeNoUpgrade(); }
    void offerUpgrade(const QString& downloadUrl) override { view().offerUpgrade(downloadUrl); }
    void showNews(const QString& text, const QString& webPage) override { view().showNews(text, webPage); }

    void showHostList(const HostList& list) override
    {
        m_client.m_hostList = list;
        view().showHostList(list);
        m_client.m_scheduler.listAnswered(true);
        emit m_client.listAnswered(true);
    }

    void showAccountRefused() override
    {
        m_client.m_hostList = HostList{};
        view().showAccountRefused();
        m_client.m_scheduler.listAnswered(false);
        emit m_client.listAnswered(false);
    }

private:
    ClientView& view() { return *m_client.m_view; }

    UpdateClient& m_client;
};

UpdateClient::UpdateClient(ClientState& state, CorePlatform& platform, std::unique_ptr<ClientView> view,
                           UpdateScheduler::Pacing pacing)
    : m_state(state), m_platform(platform), m_view(std::move(view)), m_scheduler(*this, state, platform.timers, pacing)
{
    m_state.view = std::make_unique<ViewRelay>(*this);
    m_state.onEvent = [this](const ClientEvent& event) { report(event); };
    m_state.exchange.setFactory([this] {
        std::shared_ptr<ServerExchange> exchange = Lumeris_Commands::makeExchange(m_state, m_platform);
        exchange->onUnloaded = [this](ExchangeEnd end) {
            m_scheduler.exchangeEnded();
            emit exchangeEnded(end);
        };
        return exchange;
    });
}

UpdateClient::~UpdateClient()
{
    if (m_state.exchange.exists())
        m_state.exchange->onUnloaded = nullptr;
    m_state.onEvent = nullptr;
    m_state.view.reset();
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
    if (m_history && !m_history->record(event, m_platform.clock.now()))
        emit historyNotWritten(m_history->path());
    if (event.kind == ClientEvent::Kind::NewAddress)
        m_scheduler.addressLearned();
    emit happened(event);
}

void UpdateClient::checkAddress()
{
    m_state.ipCheckRequested = true;
    Lumeris_Commands::requestMyIP(m_state, m_platform);
}

void UpdateClient::checkAddressQuietly()
{
    Lumeris_Commands::requestMyIP(m_state, m_platform);
}

void UpdateClient::refreshHostList()
{
    Lumeris_Commands::requestHosts(m_state, m_platform);
}

void UpdateClient::checkVersion()
{
    m_state.upgradeOffered = false;
    Lumeris_Commands::requestVersion(m_state, m_platform);
}

void UpdateClient::checkVersionQuietly()
{
    Lumeris_Commands::requestVersion(m_state, m_platform);
}

void UpdateClient::checkNews()
{
    Lumeris_Commands::requestNews(m_state, m_platform);
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
    for (qsizetype i = 0; i < count; ++i)
        m_state.updateRequests[std::size_t(i)] = Lumeris_Commands::groupUpdateRequest(m_state, groups[i]);
    m_state.updateRequestCount = qint32(count);
    Lumeris_Commands::requestGroupUpdate(m_state, m_platform);
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
    m_history = std::make_unique<UpdateHistory>(m_platform.files, Common_Functions::configPath(m_platform));
}
