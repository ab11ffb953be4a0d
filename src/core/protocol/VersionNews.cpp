// The version check, which offers the newer program, and the news check, which shows the service's news.
#include "core/protocol/Lumeris_Commands.h"

#include "core/protocol/AccountCommand.h"
#include "core/protocol/Replies.h"

#include "BuildConfig.h"
#include "core/client/ClientState.h"
#include "core/platform/CorePlatform.h"

namespace Lumeris_Commands {

void requestVersion(ClientState& state, CorePlatform&)
{
    submitAccountCommand(state, checkVersionCMD, QStringLiteral("Checking version info..."),
                         QStringLiteral("checkVersion"));
}

void processVersionReply(ClientState& state, CorePlatform& platform, const QString& reply)
{
    ClientView& view = *state.view;
    const std::optional<Version> offered = parseVersionReply(reply);
    if (!offered) {
        // An error text or a broken number says nothing about versions.
        view.showFailure(QStringLiteral(" Version check failed: unexpected reply from the server."));
        return;
    }
    const Version own{platform.app.versionMajor(), platform.app.versionMinor(), platform.app.versionRevision()};
    if (*offered <= own) {
        view.showStatus(QStringLiteral("No version update available."));
        view.noticeNoUpgrade();
        return;
    }
    view.showStatus(QStringLiteral("New version available."));
    if (state.upgradeOffered)
        return;
    state.upgradeOffered = true;
    view.offerUpgrade(QLatin1String(BuildConfig::webSite) + QStringLiteral("/downloads/Veltaro.exe"));
}

void requestNews(ClientState& state, CorePlatform&)
{
    submitAccountCommand(state, checkNewsCMD, QStringLiteral("Checking news..."), QStringLiteral("checkNews"));
}

void processNewsReply(ClientState& state, CorePlatform&, const QString& reply)
{
    const std::optional<News> news = parseNewsReply(reply);
    if (!news)
        return;
    if (news->none) {
        state.view->showStatus(QStringLiteral(" No news at this time."));
        return;
    }
    state.newsText = news->text;
    state.newsURL = news->url;
    // Only web pages open in the web window: a script or a local file would run with the client's rights.
    const bool webPage = isWebAddress(state.newsURL);
    if (webPage)
        state.browserURL = state.newsURL;
    state.view->showNews(state.newsText, webPage ? state.newsURL : QString());
}

} // namespace Lumeris_Commands
