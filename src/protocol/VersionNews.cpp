#include "protocol/Lumeris_Commands.h"

// Placeholder until the version and news checks land.
namespace Lumeris_Commands {
void requestVersion(ClientState&, Platform&) {}
void processVersionReply(ClientState&, Platform&, const QString&) {}
void requestNews(ClientState&, Platform&) {}
void processNewsReply(ClientState&, Platform&, const QString&) {}
} // namespace Lumeris_Commands
