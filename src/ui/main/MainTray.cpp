// The tray icon: its tip and the events it reports.
#include "ui/main/frmMain.h"

#include "platform/Platform.h"
#include "state/ClientState.h"

#include <QLabel>
#include <QMenu>

void frmMain::UpdateIcon()
{
    trayIconData.szTip = SysTray::makeTip(m_platform.app.title(), m_state.currentIP);
    m_platform.tray.notify(TrayIcon::Modify, trayIconData.toBytes());
    lblCurrentIP->setText(m_state.currentIP);
}

void frmMain::ShowForm_Click()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void frmMain::trayIcon_Event(int event, QPoint globalPos)
{
    if (event == TrayIcon::LeftDoubleClick)
        ShowForm_Click();
    else if (event == TrayIcon::RightButtonUp)
        mnuPopup->popup(globalPos);
}
