// Menu items and buttons that only hand on to the procedure doing the work.
#include "desktop/main/MainWindow.h"

#include "core/client/ClientState.h"
#include "core/client/UpdateClient.h"
#include "core/settings/ConfigFile.h"
#include "desktop/about/AboutDialog.h"
#include "desktop/platform/Platform.h"
#include "desktop/preferences/PreferencesDialog.h"
#include "desktop/web/WebWindow.h"

#include <QLabel>

void MainWindow::getMyIP_Click()
{
    m_state.client->checkAddress();
}

void MainWindow::checkVersion_Click()
{
    m_state.client->checkVersion();
}

void MainWindow::CheckNews_Click()
{
    m_state.client->checkNews();
}

void MainWindow::OpenMembersArea()
{
    openServicePage(m_state, m_platform, QStringLiteral("/members/"));
}

void MainWindow::Support_Click()
{
    openServicePage(m_state, m_platform, QStringLiteral("/faq.php"));
}

void MainWindow::Preferences_Click()
{
    m_state.preferencesDialog->showDialog();
}

void MainWindow::About_Click()
{
    m_state.aboutDialog->showDialog();
}

void MainWindow::mnuSave_Click()
{
    tellSaveProblem(Common_Functions::saveConfig(m_state, m_platform).problem, true);
}

void MainWindow::startAtLogin_Click(bool checked)
{
    QString error;
    if (m_platform.loginStart.setEnabled(checked, &error))
        return;
    startAtLogin->setChecked(!checked);
    lblStatusBar->setText(QStringLiteral(" Start at Login could not be changed: %1").arg(error));
}
