#pragma once

#include "core/client/ClientEvent.h"
#include "core/client/ClientView.h"
#include "core/client/WindowRef.h"
#include "core/settings/Settings.h"

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

// Highest index of the fixed string lists (they hold 32001 entries).
inline constexpr int kListUpperBound = 32000;

// The settings and the run-time state that the client and its windows share.
struct ClientState : Settings
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
    qint32 groupCount = 0;
    std::vector<QString> groupHosts;
    bool hostsPanelShown = false;
    qint32 serverPort = 0;
    QString serverHost;
    bool preferencesOpen = false;
    bool exchangeBusy = false;
    QString browserURL;
    bool groupListReady = false;
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
