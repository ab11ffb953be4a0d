#pragma once

struct ClientState;
struct Platform;

// Makes the program's icons available; safe to call more than once.
void initResources();

// Teaches the state's window references how to create each window on first use.
void installWindowFactories(ClientState& state, Platform& platform);
