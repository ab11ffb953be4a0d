// The host list: the account's groups with their hosts, shown in the main window's two lists.
#include "protocol/Lumeris_Commands.h"

#include "protocol/AccountCommand.h"

#include "exchange/frmUpdate.h"
#include "state/ClientState.h"
#include "state/Scrambling.h"
#include "ui/main/frmMain.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QSignalBlocker>
#include <QStringList>

namespace {

// The command word and its colon, skipped without being compared.
constexpr qsizetype kReplyTagLength = 9;

const QString kInvalidUser = QStringLiteral("ERROR:INVALIDUSER:");

// Calls `take` with each entry of `text` from `from` on, in order. Entries end with ":"; the walk
// stops at the first empty entry or where no ":" follows. Only indexes move: the text is never copied.
template <typename Take> void forEachEntry(const QString& text, qsizetype from, Take take)
{
    qsizetype start = from;
    for (;;) {
        const qsizetype colon = text.indexOf(QLatin1Char(':'), start);
        if (colon <= start)
            return;
        take(QStringView(text).sliced(start, colon - start));
        start = colon + 1;
    }
}

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

QListWidgetItem* newGroupItem(const QString& name, bool checked)
{
    auto* item = new QListWidgetItem(name);
    item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    const Qt::CheckState state = checked ? Qt::Checked : Qt::Unchecked;
    item->setCheckState(state);
    // The state last seen: the list reports a check only when it differs from this.
    item->setData(Qt::UserRole, int(state));
    return item;
}

} // namespace

namespace Lumeris_Commands {

void requestHosts(ClientState& state, Platform&)
{
    state.hostsRequestPending = true;
    submitAccountCommand(state, getHostsCMD, QStringLiteral("Refreshing hosts..."), QStringLiteral("getHosts"));
}

void processHostsReply(ClientState& state, Platform&, const QString& reply)
{
    // Only the first piece of a reply that parses counts; later pieces find the flag cleared.
    if (!state.hostsRequestPending)
        return;
    frmMain& main = *state.frmMain;
    QListWidget* groups = main.lstGroups;

    // Nothing that happens to the list while it is rebuilt is the user's doing: no selection or
    // check change is reported until it is complete. The items also carry their check state from
    // birth, so the check handler would see no change anyway.
    QSignalBlocker quietGroups(groups);
    groups->clear();
    main.lstHosts->clear();
    state.groupListReady = false;

    if (reply == kInvalidUser) {
        if (state.hostsPanelShown)
            main.cmdViewHosts_Click();
        main.cmdViewHosts->setEnabled(false);
        main.lblStatusBar->setText(QStringLiteral(" The user name or password was not accepted"));
        main.hostsReplyProcessed(false);
        return;
    }

    // The views point into this copy, which nothing can change while the list fills.
    const QString checkedGroups = state.checkedGroups;
    const QSet<QStringView> checked = checkedEntries(checkedGroups);
    groups->setUpdatesEnabled(false);
    int current = -1;
    forEachEntry(reply, qMin(kReplyTagLength, reply.size()), [&](QStringView entry) {
        const QChar marker = entry.front();
        const QStringView name = entry.sliced(1);
        if (marker == QLatin1Char('G')) {
            const QString groupName = name.toString();
            groups->addItem(newGroupItem(groupName, checked.contains(Common_Functions::upperCase(groupName))));
            ++current;
            if (current <= kListUpperBound)
                state.groupHosts[current].clear();
            state.groupListReady = true;
        } else if (marker == QLatin1Char('H')) {
            // A host before the first group, or of a group past the list's end, has no place.
            if (current >= 0 && current <= kListUpperBound) {
                QString& hosts = state.groupHosts[current];
                hosts += name;
                hosts += QLatin1Char(':');
            }
        }
    });
    groups->setUpdatesEnabled(true);
    quietGroups.unblock();
    state.groupCount = current + 1;

    main.cmdViewHosts->setEnabled(true);
    const QListWidgetItem* first = groups->item(0);
    main.lblGroup->setText(first ? first->text() : QString());
    Common_Functions::showGroupHosts(state, 0);
    main.lblStatusBar->setText(QStringLiteral(" List refreshed"));
    state.hostsRequestPending = false;
    main.hostsReplyProcessed(true);
}

} // namespace Lumeris_Commands

namespace Common_Functions {

void showGroupHosts(ClientState& state, int groupIndex)
{
    QListWidget* hostsList = state.frmMain->lstHosts;
    hostsList->clear();
    if (groupIndex < 0 || groupIndex > kListUpperBound)
        return;
    QStringList hosts;
    forEachEntry(state.groupHosts[groupIndex], 0, [&](QStringView host) { hosts.append(host.toString()); });
    hostsList->addItems(hosts);
}

} // namespace Common_Functions
