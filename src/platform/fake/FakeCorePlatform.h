#pragma once

#include "platform/CorePlatform.h"
#include "platform/fake/FakeAppInfo.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeFiles.h"
#include "platform/fake/FakeMessageBoxes.h"
#include "platform/fake/FakeSockets.h"

// The core's fakes in one place, for the logic without any window.
struct FakeCorePlatform
{
    FakeCorePlatform()
    {
        sockets.afterEvent = [this] { clock.runPosted(); };
    }

    FakeClock clock;
    FakeMessageBoxes messageBoxes;
    FakeAppInfo app;
    FakeFiles files;
    FakeSocketFactory sockets;
    CorePlatform platform{clock, clock, messageBoxes, app, files, sockets};
};
