// The tray icon: its tip and the events it reports.
#include "desktop/main/MainWindow.h"

#include "core/client/ClientState.h"
#include "desktop/platform/Platform.h"

#include <QLabel>
#include <QMenu>

void MainWindow::UpdateIcon()
{
    trayIconData.szTip = SysTray::makeTip(m_platform.app.title(), m_state.currentIP);
    m_platform.tray.notify(TrayIcon::Modify, trayIconData.toBytes());
    lblCurrentIP->setText(m_state.currentIP);
}

void MainWindow::ShowForm_Click()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void MainWindow::trayIcon_Event(int event, QPoint globalPos)
{
    if (event == TrayIcon::LeftDoubleClick)
        ShowForm_Click();
    else if (event == TrayIcon::RightButtonUp)
        mnuPopup->popup(globalPos);
}
