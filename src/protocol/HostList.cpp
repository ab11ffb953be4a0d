#include "protocol/Lumeris_Commands.h"

// Placeholder until the host list lands.
namespace Lumeris_Commands {
void requestHosts(ClientState&, Platform&) {}
void processHostsReply(ClientState&, Platform&, const QString&) {}
} // namespace Lumeris_Commands

namespace Common_Functions {
void showGroupHosts(ClientState&, int) {}
} // namespace Common_Functions
