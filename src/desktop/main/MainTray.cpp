// The tray icon: its tip and the events it reports.
#include "desktop/main/MainWindow.h"

#include "core/client/ClientState.h"
#include "desktop/platform/Platform.h"

#include <QLabel>
#include <QMenu>

void MainWindow::UpdateIcon()
{
    showTrayTip();
    lblCurrentIP->setText(m_state.currentIP);
}

void MainWindow::showTrayTip()
{
    // The tip has always been Latin-1 and at most 64 characters long.
    const QString tip = m_platform.app.title() + QStringLiteral(" [") + m_state.currentIP + QStringLiteral("]");
    m_platform.tray.setToolTip(QString::fromLatin1(tip.toLatin1().left(64)));
}

void MainWindow::ShowForm_Click()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void MainWindow::trayIcon_Activated(TrayIcon::Activation activation, QPoint globalPos)
{
    if (activation == TrayIcon::Activation::DoubleClick)
        ShowForm_Click();
    else if (activation == TrayIcon::Activation::Context)
        mnuPopup->popup(globalPos);
}
