#pragma once

#include "desktop/platform/TrayIcon.h"

#include <QMainWindow>
#include <QPoint>
#include <QPointer>

#include <memory>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPushButton;
class Timer;
class TrayNotices;
class HistoryWindow;
struct ClientEvent;
struct ClientState;
struct Platform;

// The main window: start-up and exit, the groups and hosts lists, the update cycle, the tray
// icon and every menu and button.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(ClientState& state, Platform& platform);
    ~MainWindow() override;

    // Start-up: runs once when the program starts.
    void Form_Load();
    // File › Exit, tray Exit and closing the window: a failed save is shown in a box, then the program ends.
    void Exit_Click();
    // The end of the session or a signal: nobody may be there to answer a box, so a failed save is
    // written to standard error; an exit already waiting on its box ends at once.
    void exitWithoutAsking();
    void UnloadPreferences();

    // Tray icon.
    void UpdateIcon();
    // "<title> [<address>]".
    void showTrayTip();
    void ShowForm_Click();
    void trayIcon_Activated(TrayIcon::Activation activation, QPoint globalPos);

    // Groups and hosts lists.
    void lstGroups_Click();
    void lstGroups_ItemCheck(int item);
    void cmdViewHosts_Click();
    void getHosts_Click();

    // Update cycle and commands.
    void Update_Click();
    void getMyIP_Click();
    void enableUpdates_Click();
    void disableUpdates_Click();
    void enableUpdatesTRAY_Click();
    void disableUpdatesTRAY_Click();
    // Turns starting at login on or off; when the desktop refuses, the mark goes back and the status line says why.
    void startAtLogin_Click(bool checked);
    // Opens the history window, or brings it to the front with its rows read afresh.
    void mnuHistory_Click();
    // Turns the tray's notices on or off, and keeps the choice in the options file.
    void mnuNotifications_Click(bool checked);
    // Something happened: it goes into the history, and may be told from the tray.
    void clientEvent(const ClientEvent& event);
    void checkVersion_Click();
    void CheckNews_Click();
    void OpenMembersArea();
    void Support_Click();
    void Preferences_Click();
    void About_Click();
    void mnuSave_Click();

    // Main window outer width in twips; the hosts panel switches between the two.
    void setOuterWidthTwips(int twips);
    int outerWidthTwips() const;


    QGroupBox* Frame1 = nullptr;
    QLabel* lblUsername = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* lblCurrentIP = nullptr;
    QLabel* lblLastUpdate = nullptr;
    QFrame* Shape1 = nullptr;
    QLabel* lblStatusBar = nullptr;
    QListWidget* lstGroups = nullptr;
    QListWidget* lstHosts = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblGroup = nullptr;
    QPushButton* cmdViewHosts = nullptr;
    QPushButton* cmdRefresh = nullptr;
    QPushButton* cmdNews = nullptr;
    QPushButton* cmdUpdate = nullptr;
    QFrame* Line1 = nullptr;
    QFrame* Line2 = nullptr;

    // Menu bar.
    QMenu* File = nullptr;
    QMenu* New = nullptr;
    QAction* Group = nullptr;
    QAction* Host = nullptr;
    QAction* Properties = nullptr;
    QAction* mnuSave = nullptr;
    QAction* Exit = nullptr;
    QMenu* Commands = nullptr;
    QAction* getMyIP = nullptr;
    QAction* getHosts = nullptr;
    QAction* Update = nullptr;
    QAction* CheckNews = nullptr;
    QMenu* Settings = nullptr;
    QAction* Preferences = nullptr;
    QAction* enableUpdates = nullptr;
    QAction* disableUpdates = nullptr;
    QAction* startAtLogin = nullptr;
    QAction* mnuHistory = nullptr;
    QAction* mnuNotifications = nullptr;
    QMenu* Help = nullptr;
    QAction* Support = nullptr;
    QAction* checkVersion = nullptr;
    QAction* About = nullptr;

    // Tray popup menu.
    QMenu* mnuPopup = nullptr;
    QAction* ShowForm = nullptr;
    QAction* mnuPreferences = nullptr;
    QAction* enableUpdatesTRAY = nullptr;
    QAction* disableUpdatesTRAY = nullptr;
    QAction* mnuCheckNews = nullptr;
    QAction* mnuManageHosts = nullptr;
    QAction* UpdateGroups = nullptr;
    QAction* mnuExit = nullptr;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The hosts panel is shown by widening the window; the toggle button moves with it (twips).
    static constexpr int kNarrowOuterWidth = 4905;
    static constexpr int kWideOuterWidth = 9585;
    static constexpr int kNarrowButtonLeft = 2640;
    static constexpr int kWideButtonLeft = 7320;

    void buildControls();
    void buildMenus();
    void buildTrayMenu();
    void setAutoUpdateChecks(bool on);
    // A preferences dialog opened at start-up is brought to the front a moment later.
    void bringPreferencesForward();
    void Form_Resize();
    void exitProgram(bool userPresent);
    // A problem of saving the settings, in a box for the user or on standard error.
    void tellSaveProblem(const QString& problem, bool userPresent);

    ClientState& m_state;
    Platform& m_platform;
    bool m_exiting = false;
    static constexpr int kPreferencesForwardMs = 1000;
    std::unique_ptr<Timer> m_preferencesForward;
    // Starts the history and the tray's notices; at start-up, once the settings are read.
    void startEventLog();
    void showTrayPicture();

    std::unique_ptr<TrayNotices> m_notices;
    QPointer<HistoryWindow> m_historyWindow;
};

namespace Common_Functions {
// Fills the main window's hosts list from the hosts of one group.
void showGroupHosts(ClientState& state, int groupIndex);
} // namespace Common_Functions
