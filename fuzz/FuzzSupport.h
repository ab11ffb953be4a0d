#pragma once

#include "platform/fake/FakePlatform.h"
#include "state/ClientState.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>

// One client (fake platform, state, main window) shared by all runs of a fuzz target.
struct FuzzClient
{
    FuzzClient();
    // Lets posted work run and the user close every box, so nothing piles up between runs.
    void settle();

    FakePlatform fake;
    ClientState state;
};

// Makes the application object the windows need (offscreen) the first time, then the shared client.
FuzzClient& fuzzClient();

// The fuzzer's bytes as the exchange would see them: one byte per character.
QString latin1Text(const uint8_t* data, size_t size);
