#include "core/client/ClientState.h"

#include "core/client/ClientView.h"
#include "core/client/UpdateClient.h"

ClientState::ClientState() : groupHosts(kListUpperBound + 1) {}

// Members end in reverse order: the view (which shows into the windows) first, the main window last.
ClientState::~ClientState() = default;
