// The version check, which offers the newer program, and the news check, which shows the service's news.
#include "protocol/Lumeris_Commands.h"

#include "protocol/AccountCommand.h"

#include "BuildConfig.h"
#include "exchange/frmUpdate.h"
#include "platform/Platform.h"
#include "state/ClientState.h"
#include "ui/browser/frmBrowser.h"
#include "ui/main/frmMain.h"

#include <QLabel>
#include <QRegularExpression>

#include <array>
#include <optional>

namespace {

// The command words and their colons, skipped without being compared.
constexpr qsizetype kVersionTagLength = 13;
constexpr qsizetype kNewsTagLength = 10;
// The address's own colon (after its scheme) lies within its first six characters.
constexpr qsizetype kNewsSplitFrom = 6;
// The news window, outer size in twips.
constexpr int kNewsWidth = 500;
constexpr int kNewsHeight = 300;

using Version = std::array<int, 3>;

// "major.minor.revision" in decimal; anything else is no version.
std::optional<Version> parseVersion(const QString& text)
{
    static const QRegularExpression form(QStringLiteral(R"(^(\d{1,9})\.(\d{1,9})\.(\d{1,9})$)"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return Version{match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt()};
}

void setStatus(ClientState& state, const QString& text)
{
    state.frmMain->lblStatusBar->setText(text);
}

void fetchUpgrade(ClientState& state)
{
    state.browserURL = QLatin1String(BuildConfig::webSite) + QStringLiteral("/downloads/Veltaro.exe");
    frmBrowser& web = *state.frmBrowser;
    const bool wasLoaded = web.isLoaded();
    web.showWindow();
    // A loaded window does not navigate when shown; the user said Yes, so the file is fetched anyway.
    if (wasLoaded)
        web.navigate(state.browserURL);
    web.hide();
}

void offerUpgrade(ClientState& state, Platform& platform)
{
    platform.messageBoxes.show(QStringLiteral("There is a newer version available.  Would you like to upgrade?"),
                               QStringLiteral("Version Upgrade:"), MsgButtons::YesNo, MsgIcon::None,
                               [&state](MsgAnswer answer) {
                                   if (answer == MsgAnswer::Yes)
                                       fetchUpgrade(state);
                               });
}

} // namespace

namespace Lumeris_Commands {

void requestVersion(ClientState& state, Platform&)
{
    submitAccountCommand(state, checkVersionCMD, QStringLiteral("Checking version info..."),
                         QStringLiteral("checkVersion"));
}

void processVersionReply(ClientState& state, Platform& platform, const QString& reply)
{
    QString text = reply.mid(kVersionTagLength);
    text.chop(1);
    const std::optional<Version> offered = parseVersion(text);
    if (!offered) {
        // An error text or a broken number says nothing about versions.
        setStatus(state, QStringLiteral(" Version check failed: unexpected reply from the server."));
        return;
    }
    const Version own{platform.app.versionMajor(), platform.app.versionMinor(), platform.app.versionRevision()};
    if (*offered <= own) {
        setStatus(state, QStringLiteral("No version update available."));
        // An identical box still open from an earlier check is not opened a second time.
        platform.messageBoxes.show(QStringLiteral("No update(s) available at this time."),
                                   QStringLiteral("Check for update..."), MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    setStatus(state, QStringLiteral("New version available."));
    if (state.upgradeOffered)
        return;
    state.upgradeOffered = true;
    offerUpgrade(state, platform);
}

void requestNews(ClientState& state, Platform&)
{
    submitAccountCommand(state, checkNewsCMD, QStringLiteral("Checking news..."), QStringLiteral("checkNews"));
}

void processNewsReply(ClientState& state, Platform& platform, const QString& reply)
{
    if (reply.size() <= kNewsTagLength)
        return;
    QString body = reply.mid(kNewsTagLength);
    body.chop(1);
    if (body.startsWith(QLatin1String("NONE"))) {
        setStatus(state, QStringLiteral(" No news at this time."));
        return;
    }
    const qsizetype split = body.indexOf(u':', kNewsSplitFrom);
    if (split < 0)
        return;
    state.newsText = body.mid(split + 1);
    state.newsURL = body.left(split);

    // Only web pages open in the web window: a script or a local file would run with the client's rights.
    if (isWebAddress(state.newsURL)) {
        state.browserURL = state.newsURL;
        frmBrowser& web = *state.frmBrowser;
        web.showWindow();
        web.setOuterSizeTwips(kNewsWidth, kNewsHeight);
        web.setCaption(state.newsText);
    }
    platform.messageBoxes.show(state.newsText, platform.app.title(), MsgButtons::Ok, MsgIcon::None);
}

} // namespace Lumeris_Commands
