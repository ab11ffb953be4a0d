#pragma once

#include "platform/Platform.h"
#include "platform/RegistryLoginStart.h"
#include "platform/fake/FakeBrowser.h"
#include "platform/fake/FakeCorePlatform.h"
#include "platform/fake/FakeNetworkMonitor.h"
#include "platform/fake/FakeRegistry.h"
#include "platform/fake/FakeTray.h"

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
