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
    // The desktop's fakes over the given core services, and over the given browsers if any.
    Platform over(const CorePlatform& core, BrowserFactory* browserFactory = nullptr)
    {
        return {core,    tray,       systemInfo, processes, browserFactory ? *browserFactory : browsers,
                desktop, loginStart, network};
    }

    FakeTray tray;
    FakeSystemInfoTool systemInfo;
    FakeProcessStarter processes;
    FakeBrowserFactory browsers;
    FakeDesktop desktop;
    FakeLoginStart loginStart;
    FakeNetworkMonitor network;
    Platform platform = over(FakeCorePlatform::platform);
};
