// The group update: one request per checked group, each judged by its reply.
#include "core/protocol/Lumeris_Commands.h"

#include "core/client/ClientState.h"
#include "core/net/ServerExchange.h"
#include "core/platform/CorePlatform.h"
#include "core/protocol/Replies.h"

#include <algorithm>

namespace Lumeris_Commands {

QString groupUpdateRequest(const ClientState& state, const QString& group)
{
    return QStringLiteral("update:") + state.userName + QLatin1Char(':') + state.password + QStringLiteral(":g") +
           group + QLatin1Char(':') + state.currentIP + QLatin1Char(':');
}

void requestGroupUpdate(ClientState& state, CorePlatform&)
{
    const auto count = std::clamp<qsizetype>(state.updateRequestCount, 0, qsizetype(state.updateRequests.size()));
    state.exchange->submit(ExchangeCommand{
        updateGroupsCMD,
        QStringLiteral("Updating selected groups..."),
        QString(),
        std::vector<QString>(state.updateRequests.begin(), state.updateRequests.begin() + count),
    });
}

void processUpdateReply(ClientState& state, CorePlatform& platform, const QString& reply)
{
    // Once one group of the exchange has failed, a later success must not hide it.
    ServerExchange& exchange = *state.exchange;
    const bool success = isUpdateSuccess(reply);
    if (success) {
        state.report({ClientEvent::Kind::GroupUpdated, state.replyGroup, state.currentIP, QString()});
    } else {
        state.report({ClientEvent::Kind::GroupFailed, state.replyGroup, state.currentIP, updateFailureReason(reply)});
    }
    exchange.updateFailed = exchange.updateFailed || !success;
    state.view->showUpdateVerdict(!exchange.updateFailed);
    state.view->showLastUpdate(platform.clock.now());
}

std::shared_ptr<ServerExchange> makeExchange(ClientState& state, CorePlatform& platform)
{
    auto exchange = std::make_shared<ServerExchange>(state, platform);
    exchange->processors = {{getMyIPCMD, processMyIPReply},
                            {checkNewsCMD, processNewsReply},
                            {getHostsCMD, processHostsReply},
                            {checkVersionCMD, processVersionReply},
                            {updateGroupsCMD, processUpdateReply}};
    exchange->updateTag = updateGroupsCMD;
    return exchange;
}

} // namespace Lumeris_Commands
