#pragma once

struct Platform;

// Starts the system information tool; when none can be started, says so in a message box.
void startSystemInfo(Platform& platform);
