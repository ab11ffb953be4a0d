#pragma once

struct ClientState;
struct Platform;

// Teaches the state's window references how to create each window on first use.
void installWindowFactories(ClientState& state, Platform& platform);
