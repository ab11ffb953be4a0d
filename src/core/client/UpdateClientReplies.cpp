// What the client makes of each reply: the address, the host list, each group's update verdict,
// the version offer and the news.
#include "core/client/UpdateClient.h"

#include "BuildConfig.h"
#include "core/client/ClientEvent.h"
#include "core/platform/CorePlatform.h"
#include "core/protocol/FailureReasons.h"
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
    // A fixed address chosen while the check was under way stays as the user set it.
    if (m_settings.useStaticIP) {
        emit statusChanged(tr(" Using the fixed address %1").arg(m_settings.currentIP));
        return;
    }
    // An error text, a cut reply or an address of another kind must not become the address that
    // the next update sends.
    const std::optional<QString> newIP = parseMyIPReply(reply);
    if (!newIP) {
        emit failed(tr("IP check failed: the server sent an unexpected reply."));
        report({ClientEvent::Kind::Failure, QString(), QString(),
                FailureReasons::stored(FailureReasons::kUnexpectedAddressReply)});
        return;
    }
    if (*newIP != m_settings.currentIP)
        report({ClientEvent::Kind::NewAddress, QString(), *newIP, QString()});

    // The preferences dialog shows the address itself, in its address box.
    if (!m_preferencesOpen)
        emit statusChanged(*newIP == m_settings.currentIP ? tr(" IP is current.")
                                                          : tr(" New IP found: %1").arg(*newIP));
    m_settings.currentIP = *newIP;
    emit addressChanged(m_settings.currentIP);
}

void UpdateClient::handleHostsReply(const QString& reply)
{
    // Only the first piece of a reply that parses counts; later pieces find the flag cleared.
    if (!m_hostsRequestPending)
        return;
    HostList list = parseHostsReply(reply);
    m_groupListReady = false;
    if (list.refused) {
        m_hostList = HostList{};
        emit accountRefused();
        report({ClientEvent::Kind::Failure, QString(), QString(),
                FailureReasons::stored(FailureReasons::kAccountRefused)});
        m_scheduler.listAnswered(false);
        emit listAnswered(false);
        return;
    }

    // The views point into this copy, which nothing can change while the list is applied.
    const QString checkedGroups = m_settings.checkedGroups;
    const QSet<QStringView> checked = checkedEntries(checkedGroups);
    for (HostList::Group& group : list.groups)
        group.checked = checked.contains(Scrambler::upperCase(group.name));
    m_groupListReady = !list.groups.empty();
    m_hostsRequestPending = false;
    m_hostList = std::move(list);
    emit hostListChanged(m_hostList);
    m_scheduler.listAnswered(true);
    emit listAnswered(true);
}

void UpdateClient::handleUpdateReply(const QString& reply, const QString& group)
{
    // Once one group of the exchange has failed, a later success must not hide it.
    const bool success = isUpdateSuccess(reply);
    if (success)
        report({ClientEvent::Kind::GroupUpdated, group, m_settings.currentIP, QString()});
    else
        report({ClientEvent::Kind::GroupFailed, group, m_settings.currentIP, updateFailureReason(reply)});
    m_exchange.updateFailed = m_exchange.updateFailed || !success;
    emit updateVerdict(!m_exchange.updateFailed);
    emit lastUpdateChanged(m_platform.clock.now());
}

void UpdateClient::handleVersionReply(const QString& reply)
{
    const std::optional<Version> offered = parseVersionReply(reply);
    if (!offered) {
        // An error text or a broken number says nothing about versions.
        emit failed(tr(" Version check failed: unexpected reply from the server."));
        return;
    }
    const Version own{m_platform.app.versionMajor(), m_platform.app.versionMinor(), m_platform.app.versionRevision()};
    if (*offered <= own) {
        emit statusChanged(tr("No version update available."));
        emit noUpgradeAvailable();
        return;
    }
    emit statusChanged(tr("New version available."));
    if (m_upgradeOffered)
        return;
    m_upgradeOffered = true;
    emit upgradeAvailable(QLatin1String(BuildConfig::webSite) + QStringLiteral("/downloads/Veltaro.exe"));
}

void UpdateClient::handleNewsReply(const QString& reply)
{
    const std::optional<News> news = parseNewsReply(reply);
    if (!news)
        return;
    if (news->none) {
        emit statusChanged(tr(" No news at this time."));
        return;
    }
    // Only web pages open in the web window: a script or a local file would run with the client's rights.
    emit newsArrived(news->text, isWebAddress(news->url) ? news->url : QString());
}
