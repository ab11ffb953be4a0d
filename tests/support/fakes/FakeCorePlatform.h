#pragma once

#include "core/platform/CorePlatform.h"
#include "support/fakes/FakeAppInfo.h"
#include "support/fakes/FakeClock.h"
#include "support/fakes/FakeFiles.h"
#include "support/fakes/FakeMessageBoxes.h"
#include "support/fakes/FakeSockets.h"

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
