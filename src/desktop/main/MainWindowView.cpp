#include "desktop/main/MainWindowView.h"

#include "core/client/ClientState.h"
#include "desktop/main/MainWindow.h"
#include "desktop/platform/Platform.h"
#include "desktop/preferences/PreferencesDialog.h"
#include "desktop/web/WebWindow.h"

#include <QStringList>

namespace {

// The news window, outer size in twips.
constexpr int kNewsWidth = 500;
constexpr int kNewsHeight = 300;

} // namespace

MainWindowView::MainWindowView(ClientState& state, Platform& platform) : m_state(state), m_platform(platform) {}

void MainWindowView::showStatus(const QString& text)
{
    m_state.mainWindow->showStatus(text);
}

void MainWindowView::showLastUpdate(const QDateTime& when)
{
    m_state.mainWindow->showLastUpdate(when);
}

void MainWindowView::showAddress()
{
    m_state.mainWindow->showAddress();
}

void MainWindowView::showAddressInPreferences(const QString& address)
{
    m_state.preferencesDialog->showAddress(address);
}

void MainWindowView::showHostList(const HostList& list)
{
    m_state.mainWindow->showHostList(list);
}

void MainWindowView::showAccountRefused()
{
    m_state.mainWindow->showAccountRefused();
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
