#pragma once

#include <functional>

// Routes SIGTERM, SIGINT and the end of the desktop session to one handler on the UI thread, so a
// logout or a service stop takes the program's normal exit path.
void installShutdownHandlers(std::function<void()> onShutdown);
