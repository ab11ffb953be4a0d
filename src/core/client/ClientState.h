#pragma once

#include "core/client/ClientEvent.h"
#include "core/client/ClientView.h"
#include "core/client/WindowRef.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class MainWindow;
class AboutDialog;
class WebWindow;
class PreferencesDialog;
class ServerExchange;
class UpdateClient;
class Files;

// Highest index of the fixed string lists (they hold 32001 entries).
inline constexpr int kListUpperBound = 32000;

// The one record of settings and run-time state that the whole client shares.
struct ClientState
{
    ClientState();
    ~ClientState();
    ClientState(const ClientState&) = delete;
    ClientState& operator=(const ClientState&) = delete;

    WindowRef<::MainWindow> mainWindow;
    WindowRef<::AboutDialog> aboutDialog;
    bool hostsRequestPending = false;
    QString pendingCommand;
    bool ipCheckRequested = false;
    bool upgradeOffered = false;
    qint16 minimizeOnStartup = 0;
    QString checkedGroups;
    qint32 groupCount = 0;
    std::vector<QString> groupHosts;
    bool hostsPanelShown = false;
    qint32 serverPort = 0;
    QString serverHost;
    QString currentIP;
    Files* fileSystem = nullptr;
    // A read-only "DNS.conf" has been reported in this run.
    bool configReadOnlyTold = false;
    QString userName;
    QString password;
    bool useStaticIP = false;
    bool preferencesOpen = false;
    bool exchangeBusy = false;
    QString browserURL;
    qint32 updateInterval = 0;
    bool groupListReady = false;
    qint16 autoUpdate = 0;
    WindowRef<::WebWindow> webWindow;
    WindowRef<::PreferencesDialog> preferencesDialog;
    WindowRef<::ServerExchange> exchange;
    // Where the replies are shown: the client's relay to the main window or the command line.
    std::unique_ptr<ClientView> view;
    // The client's engine; it ends first, with the view it relays to.
    std::unique_ptr<UpdateClient> client;
    // Hears what happened, for the history and the tray; may be empty.
    std::function<void(const ClientEvent&)> onEvent;

    void report(const ClientEvent& event) const
    {
        if (onEvent)
            onEvent(event);
    }
};
