#include "desktop/DesktopWindows.h"

#include <QtGlobal>

#include "core/client/UpdateClient.h"
#include "core/platform/qt/Translations.h"
#include "desktop/about/AboutDialog.h"
#include "desktop/main/MainWindow.h"
#include "desktop/platform/Platform.h"
#include "desktop/preferences/PreferencesDialog.h"
#include "desktop/web/WebWindow.h"

#include <QApplication>
#include <QIcon>

// The icons live in the library's resources, which a static link would otherwise leave out.
static void registerResources()
{
    Q_INIT_RESOURCE(veltaro);
}

void initResources()
{
    static const bool registered = (registerResources(), true);
    (void)registered;
}

void setUpDesktopApplication()
{
    initResources();
    installTranslations({QStringLiteral("qtbase")});
    QApplication::setApplicationName(QStringLiteral("Veltaro"));
    // Docks and task switchers match the windows to the menu entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.veltaro.veltaro"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/veltaro.png")));
    // The tray keeps the program alive while the main window is hidden.
    QApplication::setQuitOnLastWindowClosed(false);
}

DesktopWindows::DesktopWindows(Platform& platform) : m_platform(platform)
{
    initResources();
    // The desktop's pace: the start-up steps a second apart, each once the exchange is free.
    const UpdateScheduler::Pacing pacing{.startStepMs = 1000, .minuteMs = kMinuteMs, .networkCalmMs = 5000};
    m_client = std::make_unique<UpdateClient>(platform, pacing);
    m_mainWindow = std::make_unique<MainWindow>(*m_client, platform);

    MainWindow* main = m_mainWindow.get();
    connect(main, &MainWindow::preferencesRequested, this, [this] { preferencesDialog().showDialog(); });
    connect(main, &MainWindow::accountNeeded, this, [this] { preferencesDialog().askForAccount(); });
    connect(main, &MainWindow::aboutRequested, this, [this] { aboutDialog().showDialog(); });

    UpdateClient* client = m_client.get();
    connect(client, &UpdateClient::addressChanged, this, [this](const QString& address) {
        if (m_preferencesDialog && m_preferencesDialog->isLoaded())
            m_preferencesDialog->showAddress(address);
    });
    connect(client, &UpdateClient::fixedAddressInUse, this, &DesktopWindows::noticeFixedAddress);
    connect(client, &UpdateClient::noUpgradeAvailable, this, &DesktopWindows::noticeNoUpgrade);
    connect(client, &UpdateClient::upgradeAvailable, this, &DesktopWindows::offerUpgrade);
    connect(client, &UpdateClient::newsArrived, this, &DesktopWindows::showNews);
}

DesktopWindows::~DesktopWindows() = default;

PreferencesDialog& DesktopWindows::preferencesDialog()
{
    if (!m_preferencesDialog) {
        m_preferencesDialog = std::make_unique<PreferencesDialog>(m_client->settings(), m_platform);
        followPreferences(*m_preferencesDialog);
    }
    return *m_preferencesDialog;
}

AboutDialog& DesktopWindows::aboutDialog()
{
    if (!m_aboutDialog)
        m_aboutDialog = std::make_unique<AboutDialog>(m_platform);
    return *m_aboutDialog;
}

WebWindow& DesktopWindows::webWindow()
{
    if (!m_webWindow)
        m_webWindow = std::make_unique<WebWindow>(m_platform);
    return *m_webWindow;
}

void DesktopWindows::followPreferences(PreferencesDialog& dialog)
{
    MainWindow* main = m_mainWindow.get();
    UpdateClient* client = m_client.get();
    connect(&dialog, &PreferencesDialog::opened, client, [client] { client->setPreferencesOpen(true); });
    connect(&dialog, &PreferencesDialog::accountChanged, main, &MainWindow::setUserName);
    connect(&dialog, &PreferencesDialog::autoUpdateChosen, main, &MainWindow::setAutomaticUpdates);
    connect(&dialog, &PreferencesDialog::saveRequested, main, &MainWindow::saveSettings);
    connect(&dialog, &PreferencesDialog::closed, main, [client, main, &dialog] {
        client->setPreferencesOpen(false);
        main->preferencesClosed();
        dialog.finishUnload();
    });
    // The main window keeps the page's launcher: the dialog may be gone before the browser has it.
    connect(&dialog, &PreferencesDialog::signupRequested, main,
            [this, main] { openServicePage(m_platform, QStringLiteral("/signup.php"), main); });
}

void DesktopWindows::noticeFixedAddress()
{
    // The box breaks its lines with CR LF.
    const QString text = tr("You have selected to use a staticly defined \nIP address.  To update this please go to "
                            "\n\n'Settings' >> 'Preferences'\n\non your main control toolbar.")
                             .replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    m_platform.messageBoxes.show(text, tr("Static Address"), MsgButtons::Ok, MsgIcon::Information);
}

void DesktopWindows::noticeNoUpgrade()
{
    // An identical box still open from an earlier check is not opened a second time.
    m_platform.messageBoxes.show(tr("No update(s) available at this time."), tr("Check for update..."), MsgButtons::Ok,
                                 MsgIcon::Information);
}

void DesktopWindows::offerUpgrade(const QString& downloadUrl)
{
    m_platform.messageBoxes.show(tr("There is a newer version available.  Would you like to upgrade?"),
                                 tr("Version Upgrade:"), MsgButtons::YesNo, MsgIcon::None,
                                 [this, downloadUrl](MsgAnswer answer) {
                                     if (answer != MsgAnswer::Yes)
                                         return;
                                     WebWindow& web = webWindow();
                                     web.setPageAddress(downloadUrl);
                                     const bool wasLoaded = web.isLoaded();
                                     web.showWindow();
                                     // A loaded window does not navigate when shown; the user said Yes, so the file is
                                     // fetched anyway.
                                     if (wasLoaded)
                                         web.navigate(downloadUrl);
                                     web.hide();
                                 });
}

void DesktopWindows::showNews(const QString& text, const QString& webPage)
{
    if (!webPage.isEmpty()) {
        WebWindow& web = webWindow();
        web.setPageAddress(webPage);
        web.showWindow();
        // News opens in the window's smallest size, whatever it was left at.
        web.resize(web.minimumSize());
        web.setCaption(text);
    }
    m_platform.messageBoxes.show(text, m_platform.app.title(), MsgButtons::Ok, MsgIcon::None);
}
