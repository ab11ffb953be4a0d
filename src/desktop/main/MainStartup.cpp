// Start-up, the start-up chain and exit of the main window.
#include "desktop/main/MainWindow.h"

#include "core/client/ClientEvent.h"
#include "core/client/UpdateClient.h"
#include "core/settings/ConfigFile.h"
#include "desktop/platform/Platform.h"

#include <QPushButton>

void MainWindow::start()
{
    Settings& settings = m_client.settings();
    settings.autoUpdate = 1;

    const QString configNotice = ConfigFile::load(settings, m_platform);
    startEventLog();

    showAutomaticUpdates(settings.autoUpdate == 1);

    const bool startMinimized = settings.minimizeOnStartup == 1;

    m_platform.tray.show();

    // Without an account the host list waits until the preferences dialog has one.
    const bool askForAccount = settings.userName.isEmpty() || settings.password.isEmpty();
    m_client.scheduler().start(askForAccount);
    // After the IP check has set its own text, so that this one is seen.
    if (!configNotice.isEmpty())
        showStatus(configNotice);

    setUserName(settings.userName);
    m_viewHostsButton->setEnabled(false);

    if (askForAccount)
        emit accountNeeded();

    // With a fixed address no reply will show it, so the label shows it now.
    if (settings.useStaticIP)
        showAddress();
    else
        showTrayTip();

    if (!startMinimized)
        show();
    else if (!m_platform.tray.isAvailable())
        showMinimized(); // no tray to come back from: keep a task-bar entry
}

void MainWindow::preferencesClosed()
{
    showAddress();
    // The account may have changed: the host list is fetched again.
    m_client.scheduler().fetchListSoon();
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
    m_client.report({ClientEvent::Kind::Ended, QString(), QString(), QString()});
    m_platform.tray.hide();
    const QString problem = ConfigFile::save(m_client.settings(), m_platform).problem;
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
