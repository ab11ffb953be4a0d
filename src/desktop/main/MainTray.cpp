// The tray icon, its picture and notices, and the history of what happened.
#include "desktop/main/MainWindow.h"

#include "core/client/ClientEvent.h"
#include "core/client/UpdateClient.h"
#include "core/client/UpdateHistory.h"
#include "core/protocol/Replies.h"
#include "core/settings/ConfigFile.h"
#include "core/settings/ProgramOptions.h"
#include "desktop/history/HistoryWindow.h"
#include "desktop/main/TrayNotices.h"
#include "desktop/platform/Platform.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

void MainWindow::showAddress()
{
    showTrayTip();
    showValue(m_addressLabel, settings().currentIP, tr("Current IP"));
}

void MainWindow::showTrayTip()
{
    // The tip has always been Latin-1 and at most 64 characters long.
    const QString tip = m_platform.app.title() + QStringLiteral(" [") + settings().currentIP + QStringLiteral("]");
    m_platform.tray.setToolTip(QString::fromLatin1(tip.toLatin1().left(64)));
}

void MainWindow::showFromTray()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void MainWindow::trayActivated(TrayIcon::Activation activation, QPoint globalPos)
{
    if (activation == TrayIcon::Activation::DoubleClick)
        showFromTray();
    else if (activation == TrayIcon::Activation::Context)
        m_trayMenu->popup(globalPos);
}

void MainWindow::startEventLog()
{
    const QString settings = ConfigFile::path(m_platform);
    m_client.keepHistory();
    m_notices = std::make_unique<TrayNotices>();
    m_notices->enabled = ProgramOptions::load(m_platform.files, settings).notifications;
    m_notificationsAction->setChecked(m_notices->enabled);
    connect(&m_client, &UpdateClient::happened, this, &MainWindow::clientEvent);
    m_client.report({ClientEvent::Kind::Started, QString(), QString(), QString()});
}

void MainWindow::clientEvent(const ClientEvent& event)
{
    if (!m_notices)
        return;
    // Only a new address's notice counts the groups. The host list may not be in yet: they are
    // counted from the settings.
    const bool counted = event.kind == ClientEvent::Kind::NewAddress && settings().autoUpdate == 1;
    const int groupsToUpdate = counted ? int(entriesOf(settings().checkedGroups).size()) : 0;
    // Hidden in the tray, or not on screen at all.
    const bool hidden = !isVisible() || isMinimized();
    m_notices->setCheckedGroups(entriesOf(settings().checkedGroups));
    if (const std::optional<QString> notice = m_notices->noticeFor(event, hidden, groupsToUpdate))
        m_platform.tray.showMessage(m_platform.app.title(), *notice);
    m_platform.tray.showPicture(m_notices->picture());
}

void MainWindow::showTrayPicture()
{
    if (!m_notices)
        return;
    m_notices->setCheckedGroups(entriesOf(settings().checkedGroups));
    m_platform.tray.showPicture(m_notices->picture());
}

void MainWindow::showHistory()
{
    if (!m_historyWindow) {
        m_historyWindow = new HistoryWindow(this);
        m_historyWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_historyWindow->showEntries(m_client.history() ? m_client.history()->entries() : QList<UpdateHistory::Entry>());
    m_historyWindow->show();
    m_historyWindow->raise();
    m_historyWindow->activateWindow();
}

void MainWindow::setNotifications(bool on)
{
    if (m_notices)
        m_notices->enabled = on;
    ProgramOptions options;
    options.notifications = on;
    QString error;
    if (!options.save(m_platform.files, ConfigFile::path(m_platform), &error))
        showStatus(tr(" The notification setting could not be saved: %1").arg(error));
}
