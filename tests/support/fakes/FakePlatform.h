#pragma once

#include "desktop/platform/Platform.h"
#include "support/fakes/FakeBrowser.h"
#include "support/fakes/FakeCorePlatform.h"
#include "support/fakes/FakeNetworkMonitor.h"
#include "support/fakes/FakeSystemInfo.h"
#include "support/fakes/FakeTray.h"

// Every fake in one place: the core's and the desktop's; `platform` hands them to the code under test.
struct FakePlatform : FakeCorePlatform
{
    FakeTray tray;
    FakeSystemInfoTool systemInfo;
    FakeProcessStarter processes;
    FakeBrowserFactory browsers;
    FakeDesktop desktop;
    FakeLoginStart loginStart;
    FakeNetworkMonitor network;
    Platform platform{{clock, clock, messageBoxes, app, files, sockets},
                      tray,
                      systemInfo,
                      processes,
                      browsers,
                      desktop,
                      loginStart,
                      network};
};
