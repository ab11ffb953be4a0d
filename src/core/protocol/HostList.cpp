// The host list: the account's groups with their hosts.
#include "core/protocol/Lumeris_Commands.h"

#include "core/protocol/AccountCommand.h"
#include "core/protocol/Replies.h"

#include "core/client/ClientState.h"
#include "core/protocol/Scrambling.h"

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

namespace Lumeris_Commands {

void requestHosts(ClientState& state, CorePlatform&)
{
    state.hostsRequestPending = true;
    submitAccountCommand(state, getHostsCMD, QStringLiteral("Refreshing hosts..."), QStringLiteral("getHosts"));
}

void processHostsReply(ClientState& state, CorePlatform&, const QString& reply)
{
    // Only the first piece of a reply that parses counts; later pieces find the flag cleared.
    if (!state.hostsRequestPending)
        return;
    HostList list = parseHostsReply(reply);
    state.groupListReady = false;
    if (list.refused) {
        state.view->showAccountRefused();
        state.report({ClientEvent::Kind::Failure, QString(), QString(),
                      QStringLiteral("the user name or password was not accepted")});
        return;
    }

    // The views point into this copy, which nothing can change while the list is applied.
    const QString checkedGroups = state.checkedGroups;
    const QSet<QStringView> checked = checkedEntries(checkedGroups);
    const int kept = int(qMin<std::size_t>(list.groups.size(), std::size_t(kListUpperBound) + 1));
    for (int i = 0; i < int(list.groups.size()); ++i) {
        HostList::Group& group = list.groups[std::size_t(i)];
        group.checked = checked.contains(Common_Functions::upperCase(group.name));
        // A group past the list's end has no place for its hosts.
        if (i < kept)
            state.groupHosts[std::size_t(i)] = std::exchange(group.hosts, QString());
    }
    state.groupCount = qint32(list.groups.size());
    state.groupListReady = !list.groups.empty();
    state.hostsRequestPending = false;
    state.view->showHostList(list);
}

} // namespace Lumeris_Commands
