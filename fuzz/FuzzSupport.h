#pragma once

#include "core/client/UpdateClient.h"
#include "support/fakes/FakeCorePlatform.h"

#include <QString>

#include <cstddef>
#include <cstdint>

// One client (the core on fakes, with no front end following its signals) shared by all runs of a
// fuzz target. No application object and no window: the logic needs neither.
struct FuzzClient
{
    FuzzClient();
    // Lets posted work run and closes the boxes, so nothing piles up between runs.
    void settle();

    FakeCorePlatform fake;
    UpdateClient client{fake.platform, UpdateScheduler::Pacing{}};
};

FuzzClient& fuzzClient();

// The fuzzer's bytes as the exchange would see them: one byte per character.
QString latin1Text(const uint8_t* data, size_t size);
