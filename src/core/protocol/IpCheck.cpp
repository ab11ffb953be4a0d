#include "core/protocol/Lumeris_Commands.h"

#include "core/protocol/AccountCommand.h"
#include "core/protocol/Replies.h"

#include "core/client/ClientState.h"
#include "core/net/ServerExchange.h"

namespace Lumeris_Commands {

void requestMyIP(ClientState& state, CorePlatform&)
{
    if (state.useStaticIP) {
        state.view->noticeFixedAddress();
        return;
    }
    submitAccountCommand(state, getMyIPCMD, QStringLiteral("Checking for new IP..."), QStringLiteral("getMyIP"));
}

void processMyIPReply(ClientState& state, CorePlatform&, const QString& reply)
{
    ClientView& view = *state.view;
    // A fixed address chosen while the check was under way stays as the user set it.
    if (state.useStaticIP) {
        view.showStatus(QStringLiteral(" Using the fixed address ") + state.currentIP);
        return;
    }
    // An error text, a cut reply or an address of another kind must not become the address that
    // the next update sends.
    const std::optional<QString> newIP = parseMyIPReply(reply);
    if (!newIP) {
        view.showFailure(QStringLiteral("IP check failed: the server sent an unexpected reply."));
        state.report({ClientEvent::Kind::Failure, QString(), QString(),
                      QStringLiteral("IP check: the server sent an unexpected reply")});
        return;
    }
    if (*newIP != state.currentIP)
        state.report({ClientEvent::Kind::NewAddress, QString(), *newIP, QString()});

    if (state.preferencesOpen) {
        state.currentIP = *newIP;
        view.showAddressInPreferences(state.currentIP);
    } else {
        if (*newIP != state.currentIP && state.ipCheckRequested) {
            state.exchange->lblStatus = QStringLiteral("New IP found: ") + *newIP;
            view.showStatus(QStringLiteral(" New IP found: ") + *newIP);
        } else {
            state.exchange->lblStatus = QStringLiteral("IP is current.");
            view.showStatus(*newIP == state.currentIP ? QStringLiteral(" IP is current.")
                                                      : QStringLiteral(" New IP found: ") + *newIP);
        }
        state.currentIP = *newIP;
        state.ipCheckRequested = false;
    }
    view.showAddress();
}

} // namespace Lumeris_Commands
