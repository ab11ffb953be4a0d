// What the client makes of each reply: the address, the host list, each group's update verdict,
// the version offer and the news.
#include "core/client/UpdateClient.h"

#include "BuildConfig.h"
#include "core/client/ClientState.h"
#include "core/client/ClientView.h"
#include "core/platform/CorePlatform.h"
#include "core/protocol/Replies.h"
#include "core/protocol/Scrambler.h"

#include <QSet>

namespace {

// The whole entries of a checked-groups list, so that each group of a long host list is looked up
// at once instead of by a search through the whole list. It answers as CheckedGroups::contains does:
// an entry is the text before a ":", so text after the last ":" is no entry.
QSet<QStringView> checkedEntries(const QString& checkedGroups)
{
    QSet<QStringView> entries;
    qsizetype start = 0;
    for (qsizetype colon = 0; (colon = checkedGroups.indexOf(QLatin1Char(':'), start)) >= 0; start = colon + 1)
        entries.insert(QStringView(checkedGroups).sliced(start, colon - start));
    return entries;
}

} // namespace

void UpdateClient::handleAddressReply(const QString& reply)
{
    ClientView& shown = view();
    // A fixed address chosen while the check was under way stays as the user set it.
    if (m_state.useStaticIP) {
        shown.showStatus(QStringLiteral(" Using the fixed address ") + m_state.currentIP);
        return;
    }
    // An error text, a cut reply or an address of another kind must not become the address that
    // the next update sends.
    const std::optional<QString> newIP = parseMyIPReply(reply);
    if (!newIP) {
        shown.showFailure(QStringLiteral("IP check failed: the server sent an unexpected reply."));
        report({ClientEvent::Kind::Failure, QString(), QString(),
                QStringLiteral("IP check: the server sent an unexpected reply")});
        return;
    }
    if (*newIP != m_state.currentIP)
        report({ClientEvent::Kind::NewAddress, QString(), *newIP, QString()});

    if (m_state.preferencesOpen) {
        m_state.currentIP = *newIP;
        shown.showAddressInPreferences(m_state.currentIP);
    } else {
        shown.showStatus(*newIP == m_state.currentIP ? QStringLiteral(" IP is current.")
                                                     : QStringLiteral(" New IP found: ") + *newIP);
        m_state.currentIP = *newIP;
        m_state.ipCheckRequested = false;
    }
    shown.showAddress();
}

void UpdateClient::handleHostsReply(const QString& reply)
{
    // Only the first piece of a reply that parses counts; later pieces find the flag cleared.
    if (!m_state.hostsRequestPending)
        return;
    HostList list = parseHostsReply(reply);
    m_state.groupListReady = false;
    if (list.refused) {
        m_hostList = HostList{};
        view().showAccountRefused();
        report({ClientEvent::Kind::Failure, QString(), QString(),
                QStringLiteral("the user name or password was not accepted")});
        m_scheduler.listAnswered(false);
        emit listAnswered(false);
        return;
    }

    // The views point into this copy, which nothing can change while the list is applied.
    const QString checkedGroups = m_state.checkedGroups;
    const QSet<QStringView> checked = checkedEntries(checkedGroups);
    const int kept = int(qMin<std::size_t>(list.groups.size(), std::size_t(kListUpperBound) + 1));
    for (int i = 0; i < int(list.groups.size()); ++i) {
        HostList::Group& group = list.groups[std::size_t(i)];
        group.checked = checked.contains(Scrambler::upperCase(group.name));
        // A group past the list's end has no place for its hosts.
        if (i < kept)
            m_state.groupHosts[std::size_t(i)] = std::exchange(group.hosts, QString());
    }
    m_state.groupCount = qint32(list.groups.size());
    m_state.groupListReady = !list.groups.empty();
    m_state.hostsRequestPending = false;
    m_hostList = std::move(list);
    view().showHostList(m_hostList);
    m_scheduler.listAnswered(true);
    emit listAnswered(true);
}

void UpdateClient::handleUpdateReply(const QString& reply, const QString& group)
{
    // Once one group of the exchange has failed, a later success must not hide it.
    const bool success = isUpdateSuccess(reply);
    if (success)
        report({ClientEvent::Kind::GroupUpdated, group, m_state.currentIP, QString()});
    else
        report({ClientEvent::Kind::GroupFailed, group, m_state.currentIP, updateFailureReason(reply)});
    ServerExchange& running = exchange();
    running.updateFailed = running.updateFailed || !success;
    view().showUpdateVerdict(!running.updateFailed);
    view().showLastUpdate(m_platform.clock.now());
}

void UpdateClient::handleVersionReply(const QString& reply)
{
    ClientView& shown = view();
    const std::optional<Version> offered = parseVersionReply(reply);
    if (!offered) {
        // An error text or a broken number says nothing about versions.
        shown.showFailure(QStringLiteral(" Version check failed: unexpected reply from the server."));
        return;
    }
    const Version own{m_platform.app.versionMajor(), m_platform.app.versionMinor(), m_platform.app.versionRevision()};
    if (*offered <= own) {
        shown.showStatus(QStringLiteral("No version update available."));
        shown.noticeNoUpgrade();
        return;
    }
    shown.showStatus(QStringLiteral("New version available."));
    if (m_state.upgradeOffered)
        return;
    m_state.upgradeOffered = true;
    shown.offerUpgrade(QLatin1String(BuildConfig::webSite) + QStringLiteral("/downloads/Veltaro.exe"));
}

void UpdateClient::handleNewsReply(const QString& reply)
{
    const std::optional<News> news = parseNewsReply(reply);
    if (!news)
        return;
    if (news->none) {
        view().showStatus(QStringLiteral(" No news at this time."));
        return;
    }
    // Only web pages open in the web window: a script or a local file would run with the client's rights.
    const bool webPage = isWebAddress(news->url);
    if (webPage)
        m_state.browserURL = news->url;
    view().showNews(news->text, webPage ? news->url : QString());
}
