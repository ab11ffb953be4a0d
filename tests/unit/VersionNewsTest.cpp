#include "BuildConfig.h"
#include "core/protocol/Replies.h"
#include "support/Engine.h"

const QString kOffer = "upgrade " + QLatin1String(BuildConfig::webSite) + "/downloads/Veltaro.exe";

// The program is 2.1.3 (FakeAppInfo).
TEST(VersionCheck, VersionsCompareAsNumbersAndOnlyANewerOneIsOffered)
{
    const QString same = QStringLiteral("No version update available.");
    const QString newer = QStringLiteral("New version available.");
    const QString failed = QStringLiteral(" Version check failed: unexpected reply from the server.");
    const std::pair<const char*, QString> cases[] = {
        {"2.1.3", same},    {"2.0.10", same}, {"2.1.10", newer},  {"2.10.0", newer},
        {"2.1.4:", failed}, {"2.1", failed},  {"V3.0.0", failed},
    };
    for (const auto& [version, status] : cases) {
        Engine engine;
        engine.server.versionReply = QStringLiteral("CHECKVERSION:%1:").arg(QLatin1String(version));
        engine.client->checkVersionQuietly();
        engine.server.run(1000);
        EXPECT_EQ(engine.status(), status) << version;
        EXPECT_EQ(engine.view->lines.contains("no upgrade"), status == same) << version;
        EXPECT_EQ(engine.view->lines.contains(kOffer), status == newer) << version;
    }
}

TEST(NewsCheck, TheAddressEndsAtItsFirstColonAndOnlyAWebAddressIsOfferedAsAPage)
{
    const std::pair<const char*, const char*> cases[] = {
        {"NONE AT THIS TIME:REALLY", "status  No news at this time."},
        // An address with a port is cut at its colon.
        {"HTTP://NEWS.TEST:8080/A.HTML:HELLO", "news HTTP://NEWS.TEST 8080/A.HTML:HELLO"},
        {"HTTP://NEWS.TEST/A.HTML:MEETING AT 10:30: BRING COFFEE",
         "news HTTP://NEWS.TEST/A.HTML MEETING AT 10:30: BRING COFFEE"},
        {"FILE:///ETC/PASSWD:LOOK HERE", "news  LOOK HERE"},
        {"FTP://FILES.TEST/X:LOOK HERE", "news  LOOK HERE"},
    };
    for (const auto& [body, shown] : cases) {
        Engine engine;
        engine.server.newsReply = QStringLiteral("CHECKNEWS:%1:").arg(QLatin1String(body));
        engine.client->checkNews();
        engine.server.run(1000);
        EXPECT_EQ(engine.view->lines.last(), QLatin1String(shown)) << body;
    }
}
