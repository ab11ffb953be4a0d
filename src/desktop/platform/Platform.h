#pragma once

#include "core/platform/AppInfo.h"
#include "core/platform/Clock.h"
#include "core/platform/CorePlatform.h"
#include "core/platform/NetworkMonitor.h"
#include "desktop/platform/BrowserControl.h"
#include "desktop/platform/Desktop.h"
#include "desktop/platform/LoginStart.h"
#include "desktop/platform/SystemInfoTool.h"
#include "desktop/platform/TrayIcon.h"

// Every platform service the windows reach: the core's and the desktop's own. The program passes
// Qt implementations, tests pass fakes.
struct Platform : CorePlatform
{
    TrayIcon& tray;
    SystemInfoTool& systemInfo;
    ProcessStarter& processes;
    BrowserFactory& browsers;
    Desktop& desktop;
    LoginStart& loginStart;
    NetworkMonitor& network;
};
