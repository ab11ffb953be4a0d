#pragma once

#include "desktop/platform/TrayIcon.h"

#include <QMainWindow>
#include <QPoint>
#include <QPointer>

#include <memory>

class QAction;
class QDateTime;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class TrayNotices;
class HistoryWindow;
class UpdateClient;
struct ClientEvent;
struct HostList;
struct Platform;
struct Settings;

// The main window: start-up and exit, the groups and hosts lists, the tray icon and every menu
// and button. The update work itself is the client's; the window shows what the client signals and
// hands on commands. The other windows it asks for through its signals.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(UpdateClient& client, Platform& platform);
    ~MainWindow() override;

    // What the client has to show.
    void showStatus(const QString& text);
    void showLastUpdate(const QDateTime& when);
    void showHostList(const HostList& list);
    void showAccountRefused();
    void setUserName(const QString& userName);

signals:
    void preferencesRequested();
    // The settings hold no account: the preferences dialog is to ask for one.
    void accountNeeded();
    void aboutRequested();

public slots:
    // Runs once when the program starts.
    void start();
    // File › Exit, tray Exit and closing the window: a failed save is shown in a box, then the program ends.
    void quit();
    // The end of the session or a signal: nobody may be there to answer a box, so a failed save is
    // written to standard error; an exit already waiting on its box ends at once.
    void exitWithoutAsking();
    void preferencesClosed();

    // The current address in the window and the tray's tip.
    void showAddress();
    void showFromTray();
    void trayActivated(TrayIcon::Activation activation, QPoint globalPos);

    void showSelectedGroup();
    void groupCheckChanged(int row);
    void toggleHostsPanel();
    void refreshHostList();

    void updateCheckedGroups();
    void checkAddress();
    void setAutomaticUpdates(bool on);
    // When the desktop refuses, the mark goes back and the status line says why.
    void setStartAtLogin(bool on);
    // Opens the history window, or brings it to the front with its rows read afresh.
    void showHistory();
    // Turns the tray's notices on or off, and keeps the choice in the options file.
    void setNotifications(bool on);
    // Something happened: it goes into the history, and may be told from the tray.
    void clientEvent(const ClientEvent& event);
    void checkVersion();
    void checkNews();
    void openMembersArea();
    void openSupport();
    void showPreferences();
    void showAbout();
    void saveSettings();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void buildTrayMenu();
    // The hosts panel beside the groups list; the window grows or shrinks by its width.
    void showHostsPanel(bool show);
    // The user's and the group's names take no more room than they have, but keep room for a usual one.
    void keepRoomForNames();
    // Shows a value in its label, and names the label for screen readers by what the value is.
    static void showValue(QLabel* label, const QString& value, const QString& what);
    void showAutomaticUpdates(bool on);
    // Fills the hosts list from the hosts of one group.
    void showGroupHosts(int groupIndex);
    void showTrayTip();
    // A minimised window goes to the tray.
    void hideWhenMinimised();
    void exitProgram(bool userPresent);
    // A problem of saving the settings, in a box for the user or on standard error.
    void tellSaveProblem(const QString& problem, bool userPresent);
    // Starts the history and the tray's notices; at start-up, once the settings are read.
    void startEventLog();
    void showTrayPicture();
    Settings& settings();

    UpdateClient& m_client;
    Platform& m_platform;
    bool m_exiting = false;
    bool m_hostsPanelShown = false;
    std::unique_ptr<TrayNotices> m_notices;
    QPointer<HistoryWindow> m_historyWindow;

    QLabel* m_userNameLabel = nullptr;
    QLabel* m_addressLabel = nullptr;
    QLabel* m_lastUpdateLabel = nullptr;
    QLabel* m_statusLabel = nullptr;
    QListWidget* m_groupsList = nullptr;
    QListWidget* m_hostsList = nullptr;
    QLabel* m_hostsHeading = nullptr;
    QLabel* m_groupLabel = nullptr;
    QFrame* m_panelRule = nullptr;
    QPushButton* m_viewHostsButton = nullptr;

    QAction* m_enableUpdatesAction = nullptr;
    QAction* m_disableUpdatesAction = nullptr;
    QAction* m_startAtLoginAction = nullptr;
    QAction* m_notificationsAction = nullptr;
    QMenu* m_trayMenu = nullptr;
    QAction* m_trayEnableUpdatesAction = nullptr;
    QAction* m_trayDisableUpdatesAction = nullptr;
};
