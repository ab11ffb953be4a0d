#pragma once

#include "desktop/platform/Platform.h"
#include "desktop/platform/RegistryLoginStart.h"
#include "support/fakes/FakeBrowser.h"
#include "support/fakes/FakeCorePlatform.h"
#include "support/fakes/FakeNetworkMonitor.h"
#include "support/fakes/FakeRegistry.h"
#include "support/fakes/FakeTray.h"

// Every fake in one place: the core's and the desktop's; `platform` hands them to the code under test.
struct FakePlatform : FakeCorePlatform
{
    FakeTray tray;
    FakeRegistry registry;
    FakeProcessStarter processes;
    FakeBrowserFactory browsers;
    FakeDesktop desktop;
    RegistryLoginStart loginStart{registry, QStringLiteral("/program/veltaro")};
    FakeNetworkMonitor network;
    Platform platform{clock,    clock,     messageBoxes, app,     files,      sockets, tray,
                      registry, processes, browsers,     desktop, loginStart, network};
};
