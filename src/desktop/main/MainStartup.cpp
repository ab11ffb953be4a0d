// Start-up, the start-up chain and exit of the main window.
#include "desktop/main/MainWindow.h"

#include "BuildConfig.h"
#include "core/client/ClientState.h"
#include "core/client/UpdateClient.h"
#include "core/platform/Timers.h"
#include "core/settings/ConfigFile.h"
#include "desktop/platform/Platform.h"
#include "desktop/preferences/PreferencesDialog.h"
#include "desktop/widgets/Twips.h"

#include <QPushButton>

void MainWindow::start()
{
    m_state.autoUpdate = 1;
    m_state.upgradeOffered = false;
    m_state.hostsRequestPending = false;
    m_state.groupListReady = false;

    m_state.serverHost = QString::fromLatin1(BuildConfig::serverHost);
    m_state.serverPort = BuildConfig::serverPort;

    const QString configNotice = ConfigFile::load(m_state, m_platform);
    startEventLog();

    showAutomaticUpdates(m_state.autoUpdate == 1);

    const bool startMinimized = m_state.minimizeOnStartup == 1;

    // The fixed-address choice read from the file is kept: the user made it on purpose.
    m_state.exchangeBusy = false;
    m_state.ipCheckRequested = false;
    m_state.preferencesOpen = false;

    m_platform.tray.show();

    // Without an account the host list waits until the preferences dialog has one.
    const bool askForAccount = m_state.userName.isEmpty() || m_state.password.isEmpty();
    m_state.client->scheduler().start(askForAccount);
    // After the IP check has set its own text, so that this one is seen.
    if (!configNotice.isEmpty())
        showStatus(configNotice);

    m_state.hostsPanelShown = false;
    m_viewHostsButton->move(twipsToPixels(kNarrowButtonLeft), m_viewHostsButton->y());
    setUserName(m_state.userName);
    m_viewHostsButton->setEnabled(false);

    if (askForAccount) {
        m_state.preferencesDialog->showDialog();
        m_preferencesForward->start(kPreferencesForwardMs);
    }

    // With a fixed address no reply will show it, so the label shows it now.
    if (m_state.useStaticIP)
        showAddress();
    else
        showTrayTip();

    if (!startMinimized)
        show();
    else if (!m_platform.tray.isAvailable())
        showMinimized(); // no tray to come back from: keep a task-bar entry
}

void MainWindow::bringPreferencesForward()
{
    if (m_state.preferencesOpen)
        m_state.preferencesDialog->bringIntoView();
}

void MainWindow::preferencesClosed()
{
    showAddress();
    if (m_state.preferencesDialog.exists())
        m_state.preferencesDialog->finishUnload();
    // The account may have changed: the host list is fetched again.
    m_state.client->scheduler().fetchListSoon();
}

void MainWindow::quit()
{
    exitProgram(true);
}

void MainWindow::exitWithoutAsking()
{
    exitProgram(false);
}

void MainWindow::exitProgram(bool userPresent)
{
    if (m_exiting) {
        // The first exit waits on its box; a signal or the session's end must not wait with it.
        if (!userPresent)
            m_platform.app.quit();
        return;
    }
    m_exiting = true;
    m_state.report({ClientEvent::Kind::Ended, QString(), QString(), QString()});
    m_platform.tray.hide();
    const QString problem = ConfigFile::save(m_state, m_platform).problem;
    if (problem.isEmpty() || !userPresent) {
        tellSaveProblem(problem, false);
        m_platform.app.quit();
        return;
    }
    // The user is there to read why the settings were not saved; the program ends once they have.
    AppInfo& app = m_platform.app;
    m_platform.messageBoxes.show(problem, app.title(), MsgButtons::Ok, MsgIcon::Warning,
                                 [&app](MsgAnswer) { app.quit(); });
}

void MainWindow::tellSaveProblem(const QString& problem, bool userPresent)
{
    if (problem.isEmpty())
        return;
    if (userPresent)
        m_platform.messageBoxes.show(problem, m_platform.app.title(), MsgButtons::Ok, MsgIcon::Warning);
    else
        m_platform.app.printError(m_platform.app.title() + QStringLiteral(": ") + problem);
}
