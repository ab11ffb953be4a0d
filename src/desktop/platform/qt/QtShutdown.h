#pragma once

#include <functional>

// Routes SIGTERM, SIGINT, SIGHUP and the end of the desktop session to one handler on the UI thread,
// so a logout or a service stop takes the program's exit path. A second signal ends the program at
// once, whatever the UI thread is doing.
void installShutdownHandlers(std::function<void()> onShutdown);
