#pragma once

#include <QObject>

#include <memory>

class AboutDialog;
class MainWindow;
class PreferencesDialog;
class UpdateClient;
class WebWindow;
struct Platform;

// Makes the program's icons available; safe to call more than once.
void initResources();
// Sets up the running application as the desktop program: its names and icons, the catalogues of the
// system's language, and a life that goes on with the main window hidden.
void setUpDesktopApplication();

// The desktop program: the client with its main window, and the other windows, each created the first
// time it is wanted and kept for the life of the program. The one place where the windows are wired
// together, and where what the client offers in a box or the web window is shown.
class DesktopWindows : public QObject
{
    Q_OBJECT

public:
    explicit DesktopWindows(Platform& platform);
    ~DesktopWindows() override;

    UpdateClient& client() { return *m_client; }
    MainWindow& mainWindow() { return *m_mainWindow; }
    PreferencesDialog& preferencesDialog();
    AboutDialog& aboutDialog();
    // The shared web window of the news and the upgrade (the service pages have launchers of their own).
    WebWindow& webWindow();
    bool hasWebWindow() const { return m_webWindow != nullptr; }

private:
    // What a save or a close of the preferences means to the client and the main window.
    void followPreferences(PreferencesDialog& dialog);
    void noticeFixedAddress();
    void noticeNoUpgrade();
    void offerUpgrade(const QString& downloadUrl);
    void showNews(const QString& text, const QString& webPage);

    Platform& m_platform;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<AboutDialog> m_aboutDialog;
    std::unique_ptr<WebWindow> m_webWindow;
    std::unique_ptr<PreferencesDialog> m_preferencesDialog;
    // Declared last, so that it ends first, before the windows that show it.
    std::unique_ptr<UpdateClient> m_client;
};
