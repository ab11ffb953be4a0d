// Menu items and buttons that only hand on to the procedure doing the work.
#include "ui/main/frmMain.h"

#include "platform/Platform.h"
#include "protocol/Lumeris_Commands.h"
#include "state/ClientState.h"
#include "state/ConfigFile.h"
#include "ui/about/frmAbout.h"
#include "ui/browser/frmBrowser.h"
#include "ui/preferences/frmPreferences.h"

#include <QLabel>

void frmMain::getMyIP_Click()
{
    m_state.ipCheckRequested = true;
    Lumeris_Commands::requestMyIP(m_state, m_platform);
}

void frmMain::checkVersion_Click()
{
    m_state.upgradeOffered = false;
    Lumeris_Commands::requestVersion(m_state, m_platform);
}

void frmMain::CheckNews_Click()
{
    Lumeris_Commands::requestNews(m_state, m_platform);
}

void frmMain::OpenMembersArea()
{
    openServicePage(m_state, m_platform, QStringLiteral("/members/"));
}

void frmMain::Support_Click()
{
    openServicePage(m_state, m_platform, QStringLiteral("/faq.php"));
}

void frmMain::Preferences_Click()
{
    m_state.frmPreferences->showDialog();
}

void frmMain::About_Click()
{
    m_state.frmAbout->showDialog();
}

void frmMain::mnuSave_Click()
{
    tellSaveProblem(Common_Functions::saveConfig(m_state, m_platform).problem, true);
}

void frmMain::startAtLogin_Click(bool checked)
{
    QString error;
    if (m_platform.loginStart.setEnabled(checked, &error))
        return;
    startAtLogin->setChecked(!checked);
    lblStatusBar->setText(QStringLiteral(" Start at Login could not be changed: %1").arg(error));
}
