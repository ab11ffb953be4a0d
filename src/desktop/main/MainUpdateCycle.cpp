// The group update and turning automatic updates on and off.
#include "desktop/main/MainWindow.h"

#include "core/client/ClientState.h"
#include "core/client/UpdateClient.h"
#include "desktop/platform/Platform.h"

#include <QAction>

void MainWindow::Update_Click()
{
    m_state.client->scheduler().updateNow();
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
    m_state.client->scheduler().setAutoUpdate(true);
}

void MainWindow::disableUpdates_Click()
{
    m_state.autoUpdate = 0;
    setAutoUpdateChecks(false);
    m_state.client->scheduler().setAutoUpdate(false);
}

void MainWindow::enableUpdatesTRAY_Click()
{
    enableUpdates_Click();
}

void MainWindow::disableUpdatesTRAY_Click()
{
    disableUpdates_Click();
}
