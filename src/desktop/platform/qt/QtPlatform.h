#pragma once

#include "core/platform/qt/QtAppInfo.h"
#include "core/platform/qt/QtFiles.h"
#include "core/platform/qt/QtSockets.h"
#include "core/platform/qt/QtTimers.h"
#include "core/platform/qt/SystemNetworkMonitor.h"
#include "desktop/platform/Platform.h"
#include "desktop/platform/qt/QtBrowser.h"
#include "desktop/platform/qt/QtMessageBoxes.h"
#include "desktop/platform/qt/QtSystemInfo.h"
#include "desktop/platform/qt/QtTray.h"

#include <memory>

// The program's platform: every service on Qt.
struct QtPlatform
{
    QtPlatform();

    // Declared first: the browser factory saves downloads into its folder.
    QtDesktop desktop;
    QtTimers timers;
    QtMessageBoxes messageBoxes;
    QtAppInfo app;
    QtFiles files;
    QtSocketFactory sockets;
    QtTray tray;
    QtProcessStarter processes;
    QtBrowserFactory browsers{desktop};
    // Both kept in the registry on Windows, the desktop's own elsewhere.
    std::unique_ptr<SystemInfoTool> systemInfo;
    std::unique_ptr<LoginStart> loginStart;
    SystemNetworkMonitor network;
    Platform platform;
};
