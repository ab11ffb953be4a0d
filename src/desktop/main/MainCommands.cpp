// Menu items and buttons: each hands on to the client, a dialog or the desktop.
#include "desktop/main/MainWindow.h"

#include "core/client/UpdateClient.h"
#include "core/settings/ConfigFile.h"
#include "desktop/platform/Platform.h"
#include "desktop/web/WebWindow.h"

#include <QAction>

void MainWindow::refreshHostList()
{
    m_client.refreshHostList();
}

void MainWindow::updateCheckedGroups()
{
    m_client.scheduler().updateNow();
}

void MainWindow::checkAddress()
{
    m_client.checkAddress();
}

void MainWindow::checkVersion()
{
    m_client.checkVersion();
}

void MainWindow::checkNews()
{
    m_client.checkNews();
}

void MainWindow::openMembersArea()
{
    openServicePage(m_platform, QStringLiteral("/members/"), this);
}

void MainWindow::openSupport()
{
    openServicePage(m_platform, QStringLiteral("/faq.php"), this);
}

void MainWindow::showPreferences()
{
    emit preferencesRequested();
}

void MainWindow::showAbout()
{
    emit aboutRequested();
}

void MainWindow::saveSettings()
{
    tellSaveProblem(ConfigFile::save(settings(), m_platform).problem, true);
}

void MainWindow::setAutomaticUpdates(bool on)
{
    settings().autoUpdate = on ? 1 : 0;
    showAutomaticUpdates(on);
    m_client.scheduler().setAutoUpdate(on);
}

void MainWindow::showAutomaticUpdates(bool on)
{
    m_enableUpdatesAction->setChecked(on);
    m_disableUpdatesAction->setChecked(!on);
    m_trayEnableUpdatesAction->setChecked(on);
    m_trayDisableUpdatesAction->setChecked(!on);
}

void MainWindow::setStartAtLogin(bool on)
{
    QString error;
    if (m_platform.loginStart.setEnabled(on, &error))
        return;
    m_startAtLoginAction->setChecked(!on);
    showStatus(tr(" Start at Login could not be changed: %1").arg(error));
}
