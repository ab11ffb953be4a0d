// The group update: one request per checked group, each judged by its reply.
#include "protocol/Lumeris_Commands.h"

#include "exchange/frmUpdate.h"
#include "platform/Platform.h"
#include "protocol/LastUpdateTime.h"
#include "state/ClientState.h"
#include "ui/main/frmMain.h"

#include <QLabel>
#include <QLocale>

#include <algorithm>

namespace {

const QString kSuccessEnding = QStringLiteral("SUCCESS:");
const QString kUpdateFailed = QStringLiteral(" Update failed");

} // namespace

namespace Lumeris_Commands {

void requestGroupUpdate(ClientState& state, Platform&)
{
    const auto count = std::clamp<qsizetype>(state.updateRequestCount, 0, qsizetype(state.updateRequests.size()));
    state.frmUpdate->submit(ExchangeCommand{
        updateGroupsCMD,
        QStringLiteral("Updating selected groups..."),
        QString(),
        std::vector<QString>(state.updateRequests.begin(), state.updateRequests.begin() + count),
    });
}

void processUpdateReply(ClientState& state, Platform& platform, const QString& reply)
{
    QLabel* statusBar = state.frmMain->lblStatusBar;
    // The status bar carries the verdict of the exchange so far: the exchange shows "Updating
    // selected groups..." when it starts and only its replies change the text after that. So once
    // one group has failed, a later success must not hide it.
    const bool earlierReplyFailed = statusBar->text() == kUpdateFailed;
    if (reply.endsWith(kSuccessEnding) && !earlierReplyFailed)
        statusBar->setText(QStringLiteral(" Update successful"));
    else
        statusBar->setText(kUpdateFailed);
    state.frmMain->lblLastUpdate->setText(LastUpdateTime::format(platform.clock.now(), QLocale::system()));
}

void reportFailedUpdate(ClientState& state)
{
    state.frmMain->lblStatusBar->setText(kUpdateFailed);
}

} // namespace Lumeris_Commands
