#pragma once

#include "platform/Platform.h"
#include "platform/fake/FakeAppInfo.h"
#include "platform/fake/FakeBrowser.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeFiles.h"
#include "platform/fake/FakeMessageBoxes.h"
#include "platform/fake/FakeRegistry.h"
#include "platform/fake/FakeSockets.h"
#include "platform/fake/FakeTray.h"

// Every fake in one place; `platform` hands them to the code under test.
struct FakePlatform
{
    FakePlatform()
    {
        sockets.afterEvent = [this] { clock.runPosted(); };
    }

    FakeClock clock;
    FakeMessageBoxes messageBoxes;
    FakeAppInfo app;
    FakeFiles files;
    FakeSocketFactory sockets;
    FakeTray tray;
    FakeRegistry registry;
    FakeProcessStarter processes;
    FakeBrowserFactory browsers;
    FakeDesktop desktop;
    Platform platform{clock, clock, messageBoxes, app, files, sockets, tray, registry, processes, browsers, desktop};
};
