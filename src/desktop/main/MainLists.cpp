// The groups list, the hosts list and the hosts panel.
#include "desktop/main/MainWindow.h"

#include "core/client/UpdateClient.h"
#include "core/protocol/Replies.h"
#include "core/settings/CheckedGroups.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

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

void MainWindow::showHostList(const HostList& list)
{
    // Nothing that happens to the list while it is rebuilt is the user's doing: no selection or
    // check change is reported until it is complete. The items also carry their check state from
    // birth, so the check handler would see no change anyway.
    QSignalBlocker quietGroups(m_groupsList);
    m_groupsList->clear();
    m_hostsList->clear();
    m_groupsList->setUpdatesEnabled(false);
    for (const HostList::Group& group : list.groups)
        m_groupsList->addItem(newGroupItem(group.name, group.checked));
    m_groupsList->setUpdatesEnabled(true);
    quietGroups.unblock();

    m_viewHostsButton->setEnabled(true);
    const QListWidgetItem* first = m_groupsList->item(0);
    showValue(m_groupLabel, first ? first->text() : QString(), tr("Group"));
    showGroupHosts(0);
    showStatus(tr(" List refreshed"));
}

void MainWindow::showAccountRefused()
{
    {
        const QSignalBlocker quietGroups(m_groupsList);
        m_groupsList->clear();
    }
    m_hostsList->clear();
    showHostsPanel(false);
    m_viewHostsButton->setEnabled(false);
    showStatus(tr(" The user name or password was not accepted"));
}

void MainWindow::showSelectedGroup()
{
    const int row = m_groupsList->currentRow();
    const QListWidgetItem* item = m_groupsList->item(row);
    showValue(m_groupLabel, item ? item->text() : QString(), tr("Group"));
    showGroupHosts(row);
}

void MainWindow::showGroupHosts(int groupIndex)
{
    m_hostsList->clear();
    const std::vector<HostList::Group>& groups = m_client.hostList().groups;
    // A group past the shown list's end has no hosts to show.
    if (groupIndex < 0 || groupIndex > kListUpperBound || groupIndex >= int(groups.size()))
        return;
    m_hostsList->addItems(entriesOf(groups[std::size_t(groupIndex)].hosts));
}

void MainWindow::groupCheckChanged(int row)
{
    if (!m_client.hasGroupList())
        return;
    const QListWidgetItem* line = m_groupsList->item(row);
    if (line == nullptr)
        return;
    m_client.setGroupChecked(row, line->checkState() == Qt::Checked);
    showTrayPicture();
}

void MainWindow::toggleHostsPanel()
{
    showHostsPanel(!m_hostsPanelShown);
}

void MainWindow::showHostsPanel(bool show)
{
    m_viewHostsButton->setText(show ? tr("<< Hide Hosts") : tr("View Hosts in Group >>"));
    // Hidden, not merely out of sight: a closed panel takes no focus and is not read out.
    for (QWidget* widget : std::initializer_list<QWidget*>{m_hostsHeading, m_groupLabel, m_hostsList, m_panelRule})
        widget->setVisible(show);
    m_hostsPanelShown = show;
}
