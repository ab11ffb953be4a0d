#include "protocol/Lumeris_Commands.h"

// Placeholder until the exchange lands.
namespace Lumeris_Commands {
void requestMyIP(ClientState&, Platform&) {}
void processMyIPReply(ClientState&, Platform&, const QString&) {}
} // namespace Lumeris_Commands
