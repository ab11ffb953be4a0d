#include "protocol/Lumeris_Commands.h"

// Placeholder until the group update lands.
namespace Lumeris_Commands {
void requestGroupUpdate(ClientState&, Platform&) {}
void processUpdateReply(ClientState&, Platform&, const QString&) {}
} // namespace Lumeris_Commands
