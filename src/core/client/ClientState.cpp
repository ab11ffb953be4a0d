#include "core/client/ClientState.h"

#include "core/client/ClientView.h"
#include "core/client/UpdateClient.h"

ClientState::ClientState() : groupHosts(kListUpperBound + 1) {}

// Members end in reverse order: the client first, then the view it shows on, the windows last.
ClientState::~ClientState() = default;
