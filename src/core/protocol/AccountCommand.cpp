#include "core/protocol/AccountCommand.h"

#include "core/client/ClientState.h"
#include "core/net/ServerExchange.h"

namespace Lumeris_Commands {

void submitAccountCommand(ClientState& state, const QString& tag, const QString& statusText, const QString& word)
{
    const QString request =
        word + QLatin1Char(':') + state.userName + QLatin1Char(':') + state.password + QLatin1Char(':');
    state.exchange->submit(ExchangeCommand{tag, statusText, request, {}});
}

} // namespace Lumeris_Commands
