#pragma once

#include "platform/Platform.h"
#include "platform/qt/QtAppInfo.h"
#include "platform/qt/QtBrowser.h"
#include "platform/qt/QtFiles.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/QtRegistry.h"
#include "platform/qt/QtSockets.h"
#include "platform/qt/QtTimers.h"
#include "platform/qt/QtTray.h"

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
    Platform platform{timers, timers, messageBoxes, app, files, sockets, tray, registry, processes, browsers, desktop};
};
