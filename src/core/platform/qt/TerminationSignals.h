#pragma once

#include <functional>

// Routes SIGTERM, SIGINT and SIGHUP to one handler on the event loop's thread, so that a service
// stop or a closed terminal takes the program's own way out. A second signal ends the program at
// once, whatever the event loop is doing. Call once, after the application object exists.
void onTerminationSignals(std::function<void()> handler);
