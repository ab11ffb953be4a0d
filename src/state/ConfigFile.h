#pragma once

#include <QString>

#include <functional>

struct ClientState;
struct CorePlatform;

namespace Common_Functions {

// The settings file beside the program.
QString configPath(const CorePlatform& platform);

// Reads "DNS.conf" into the state, line by line until the first missing line; a missing file
// is created empty.
void loadConfig(ClientState& state, CorePlatform& platform);

// Writes the nine lines of "DNS.conf". A failure leaves the old file whole and is reported in a
// message box, and `afterBox` runs once it is closed; returns whether the file was written.
bool saveConfig(ClientState& state, CorePlatform& platform, std::function<void()> afterBox = {});

} // namespace Common_Functions
