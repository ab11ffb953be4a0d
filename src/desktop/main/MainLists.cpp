// The groups list, the hosts list and the hosts panel.
#include "desktop/main/MainWindow.h"

#include "core/client/ClientState.h"
#include "core/client/UpdateClient.h"
#include "core/protocol/Replies.h"
#include "core/settings/CheckedGroups.h"
#include "desktop/Twips.h"
#include "desktop/platform/Platform.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

void MainWindow::lstGroups_Click()
{
    const int row = lstGroups->currentRow();
    const QListWidgetItem* item = lstGroups->item(row);
    lblGroup->setText(item ? item->text() : QString());
    Common_Functions::showGroupHosts(m_state, row);
}

void MainWindow::lstGroups_ItemCheck(int item)
{
    if (!m_state.groupListReady)
        return;
    const QListWidgetItem* line = lstGroups->item(item);
    if (line == nullptr)
        return;
    m_state.client->setGroupChecked(item, line->checkState() == Qt::Checked);
    showTrayPicture();
}

void MainWindow::cmdViewHosts_Click()
{
    if (!m_state.hostsPanelShown) {
        cmdViewHosts->setText(QStringLiteral("<< Hide Hosts"));
        setOuterWidthTwips(kWideOuterWidth);
        cmdViewHosts->move(twipsToPixels(kWideButtonLeft), cmdViewHosts->y());
        m_state.hostsPanelShown = true;
    } else {
        cmdViewHosts->setText(QStringLiteral("View Hosts in Group >>"));
        setOuterWidthTwips(kNarrowOuterWidth);
        cmdViewHosts->move(twipsToPixels(kNarrowButtonLeft), cmdViewHosts->y());
        m_state.hostsPanelShown = false;
    }
}

void MainWindow::getHosts_Click()
{
    m_state.client->refreshHostList();
}

namespace Common_Functions {

void showGroupHosts(ClientState& state, int groupIndex)
{
    QListWidget* hostsList = state.mainWindow->lstHosts;
    hostsList->clear();
    if (groupIndex < 0 || groupIndex > kListUpperBound)
        return;
    hostsList->addItems(entriesOf(state.groupHosts[std::size_t(groupIndex)]));
}

} // namespace Common_Functions
