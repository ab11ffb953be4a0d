#pragma once

#include <QString>

struct ClientState;
struct Platform;

namespace Common_Functions {

// The settings file beside the program.
QString configPath(const Platform& platform);

// Reads "DNS.conf" into the state, line by line until the first missing line; a missing file
// is created empty.
void loadConfig(ClientState& state, Platform& platform);

// Writes the nine lines of "DNS.conf". A failure leaves the old file whole and is reported in a
// message box; returns whether the file was written.
bool saveConfig(ClientState& state, Platform& platform);

} // namespace Common_Functions
