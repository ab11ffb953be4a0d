// The group update and the automatic update cycle.
#include "desktop/main/MainWindow.h"

#include "core/client/ClientState.h"
#include "core/client/UpdateCycle.h"
#include "core/platform/Timers.h"
#include "core/protocol/Lumeris_Commands.h"
#include "desktop/main/TrayNotices.h"
#include "desktop/platform/Platform.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>

#include <algorithm>
#include <utility>

void MainWindow::Update_Click()
{
    // Without the host list there is nothing to send, and saying " Update successful" would hide
    // that: the list is asked for again and the update follows it.
    if (!m_state.groupListReady) {
        m_updateWhenListArrives = true;
        lblStatusBar->setText(QStringLiteral(" The host list has not arrived: asking for it before updating"));
        getHosts_Click();
        return;
    }
    sendGroupUpdate();
}

void MainWindow::hostsReplyProcessed(bool accepted)
{
    if (!std::exchange(m_updateWhenListArrives, false))
        return;
    // An account with no group at all has its list and nothing to update, which is a success.
    if (accepted)
        sendGroupUpdate();
}

void MainWindow::sendGroupUpdate()
{
    if (m_state.checkedGroups.isEmpty()) {
        m_state.updateRequestCount = 0;
        Lumeris_Commands::requestGroupUpdate(m_state, m_platform);
        return;
    }
    qint32 count = 0;
    // groupCount can outlast the list (a refused account empties it): read only lines that exist.
    const int lines = std::min<qint32>(m_state.groupCount, lstGroups->count());
    for (int i = 0; i < lines && count <= kListUpperBound; ++i) {
        const QListWidgetItem* item = lstGroups->item(i);
        if (item->checkState() != Qt::Checked)
            continue;
        m_state.updateRequests[count] = Lumeris_Commands::groupUpdateRequest(m_state, item->text());
        ++count;
    }
    m_state.updateRequestCount = count;
    Lumeris_Commands::requestGroupUpdate(m_state, m_platform);
    if (m_notices && count > 0) {
        m_notices->updateStarted();
        showTrayPicture();
    }
}

void MainWindow::updateCycle_Tick()
{
    const UpdateCycle::Tick tick = UpdateCycle::tick(minuteCounter, m_state.updateInterval, m_state.exchangeBusy);
    minuteCounter = tick.minuteCounter;
    if (tick.step == UpdateCycle::Step::Update) {
        Update_Click();
    } else if (tick.step == UpdateCycle::Step::CheckStep) {
        // A fixed address needs no check; its notice is for the user's own "Check for new IP".
        if (!m_state.useStaticIP)
            getMyIP_Click();
        Lumeris_Commands::requestVersion(m_state, m_platform);
    }
}

void MainWindow::startUpdate_Tick()
{
    if (m_state.exchangeBusy)
        return;
    if (m_state.autoUpdate == 1)
        Update_Click();
    else
        lblStatusBar->setText(QStringLiteral("Auto Updates Disabled"));
    processTimer->setEnabled(20, false);
}

void MainWindow::setAutoUpdateChecks(bool on)
{
    enableUpdates->setChecked(on);
    disableUpdates->setChecked(!on);
    enableUpdatesTRAY->setChecked(on);
    disableUpdatesTRAY->setChecked(!on);
}

void MainWindow::enableUpdates_Click()
{
    m_state.autoUpdate = 1;
    setAutoUpdateChecks(true);
    processTimer->setEnabled(10, true);
}

void MainWindow::disableUpdates_Click()
{
    m_state.autoUpdate = 0;
    setAutoUpdateChecks(false);
    processTimer->setEnabled(10, false);
}

void MainWindow::enableUpdatesTRAY_Click()
{
    enableUpdates_Click();
}

void MainWindow::disableUpdatesTRAY_Click()
{
    disableUpdates_Click();
}
