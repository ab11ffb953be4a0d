#pragma once

// Makes SIGTERM and SIGINT end the application's event loop, so that it exits normally.
// Call once, after the application object exists.
void quitOnTerminationSignals();
