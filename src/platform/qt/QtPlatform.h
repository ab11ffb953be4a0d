#pragma once

#include "platform/Platform.h"
#include "platform/qt/QtAppInfo.h"
#include "platform/qt/QtBrowser.h"
#include "platform/qt/QtFiles.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/QtNetworkMonitor.h"
#include "platform/qt/QtRegistry.h"
#include "platform/qt/QtSockets.h"
#include "platform/qt/QtTimers.h"
#include "platform/qt/QtTray.h"

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
    QtRegistry registry;
    QtProcessStarter processes;
    QtBrowserFactory browsers{desktop};
    // The Windows registry's Run key, or the freedesktop.org autostart folder.
    std::unique_ptr<LoginStart> loginStart;
    QtNetworkMonitor network;
    Platform platform;
};
