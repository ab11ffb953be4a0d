#include "desktop/main/MainWindowView.h"

#include "core/client/ClientState.h"
#include "core/protocol/LastUpdateTime.h"
#include "core/protocol/Replies.h"
#include "desktop/main/MainWindow.h"
#include "desktop/platform/Platform.h"
#include "desktop/preferences/PreferencesDialog.h"
#include "desktop/web/WebWindow.h"

#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>

namespace {

// The news window, outer size in twips.
constexpr int kNewsWidth = 500;
constexpr int kNewsHeight = 300;

QListWidgetItem* newGroupItem(const QString& name, bool checked)
{
    auto* item = new QListWidgetItem(name);
    item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    const Qt::CheckState state = checked ? Qt::Checked : Qt::Unchecked;
    item->setCheckState(state);
    // The state last seen: the list reports a check only when it differs from this.
    item->setData(Qt::UserRole, int(state));
    return item;
}

} // namespace

MainWindowView::MainWindowView(ClientState& state, Platform& platform) : m_state(state), m_platform(platform) {}

void MainWindowView::showStatus(const QString& text)
{
    m_state.mainWindow->lblStatusBar->setText(text);
}

void MainWindowView::showLastUpdate(const QDateTime& when)
{
    m_state.mainWindow->lblLastUpdate->setText(LastUpdateTime::format(when, QLocale::system()));
}

void MainWindowView::showAddress()
{
    m_state.mainWindow->UpdateIcon();
}

void MainWindowView::showAddressInPreferences(const QString& address)
{
    m_state.preferencesDialog->showAddress(address);
}

void MainWindowView::showHostList(const HostList& list)
{
    MainWindow& main = *m_state.mainWindow;
    QListWidget* groups = main.lstGroups;
    // Nothing that happens to the list while it is rebuilt is the user's doing: no selection or
    // check change is reported until it is complete. The items also carry their check state from
    // birth, so the check handler would see no change anyway.
    QSignalBlocker quietGroups(groups);
    groups->clear();
    main.lstHosts->clear();
    groups->setUpdatesEnabled(false);
    for (const HostList::Group& group : list.groups)
        groups->addItem(newGroupItem(group.name, group.checked));
    groups->setUpdatesEnabled(true);
    quietGroups.unblock();

    main.cmdViewHosts->setEnabled(true);
    const QListWidgetItem* first = groups->item(0);
    main.lblGroup->setText(first ? first->text() : QString());
    Common_Functions::showGroupHosts(m_state, 0);
    main.lblStatusBar->setText(QStringLiteral(" List refreshed"));
}

void MainWindowView::showAccountRefused()
{
    MainWindow& main = *m_state.mainWindow;
    {
        const QSignalBlocker quietGroups(main.lstGroups);
        main.lstGroups->clear();
    }
    main.lstHosts->clear();
    if (m_state.hostsPanelShown)
        main.cmdViewHosts_Click();
    main.cmdViewHosts->setEnabled(false);
    main.lblStatusBar->setText(QStringLiteral(" The user name or password was not accepted"));
}

void MainWindowView::noticeFixedAddress()
{
    const QString text = QStringList{QStringLiteral("You have selected to use a staticly defined "),
                                     QStringLiteral("IP address.  To update this please go to "),
                                     QString(),
                                     QStringLiteral("'Settings' >> 'Preferences'"),
                                     QString(),
                                     QStringLiteral("on your main control toolbar.")}
                             .join(QStringLiteral("\r\n"));
    m_platform.messageBoxes.show(text, QStringLiteral("Static Address"), MsgButtons::Ok, MsgIcon::Information);
}

void MainWindowView::noticeNoUpgrade()
{
    // An identical box still open from an earlier check is not opened a second time.
    m_platform.messageBoxes.show(QStringLiteral("No update(s) available at this time."),
                                 QStringLiteral("Check for update..."), MsgButtons::Ok, MsgIcon::Information);
}

void MainWindowView::offerUpgrade(const QString& downloadUrl)
{
    ClientState& state = m_state;
    m_platform.messageBoxes.show(QStringLiteral("There is a newer version available.  Would you like to upgrade?"),
                                 QStringLiteral("Version Upgrade:"), MsgButtons::YesNo, MsgIcon::None,
                                 [&state, downloadUrl](MsgAnswer answer) {
                                     if (answer != MsgAnswer::Yes)
                                         return;
                                     state.browserURL = downloadUrl;
                                     WebWindow& web = *state.webWindow;
                                     const bool wasLoaded = web.isLoaded();
                                     web.showWindow();
                                     // A loaded window does not navigate when shown; the user said Yes, so the file is
                                     // fetched anyway.
                                     if (wasLoaded)
                                         web.navigate(state.browserURL);
                                     web.hide();
                                 });
}

void MainWindowView::showNews(const QString& text, const QString& webPage)
{
    if (!webPage.isEmpty()) {
        WebWindow& web = *m_state.webWindow;
        web.showWindow();
        web.setOuterSizeTwips(kNewsWidth, kNewsHeight);
        web.setCaption(text);
    }
    m_platform.messageBoxes.show(text, m_platform.app.title(), MsgButtons::Ok, MsgIcon::None);
}
