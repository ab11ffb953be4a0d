#pragma once

#include "platform/AppInfo.h"
#include "platform/BrowserControl.h"
#include "platform/Clock.h"
#include "platform/CorePlatform.h"
#include "platform/Desktop.h"
#include "platform/LoginStart.h"
#include "platform/NetworkMonitor.h"
#include "platform/Registry.h"
#include "platform/TrayIcon.h"

// Every platform service the windows reach: the core's and the desktop's own. The program passes
// Qt implementations, tests pass fakes.
struct Platform : CorePlatform
{
    TrayIcon& tray;
    Registry& registry;
    ProcessStarter& processes;
    BrowserFactory& browsers;
    Desktop& desktop;
    LoginStart& loginStart;
    NetworkMonitor& network;
};
