#pragma once

#include <QString>

struct ClientState;

namespace Lumeris_Commands {

// Hands the exchange a command whose request is the command word, the user name and the
// password, each followed by ":".
void submitAccountCommand(ClientState& state, const QString& tag, const QString& statusText, const QString& word);

} // namespace Lumeris_Commands
