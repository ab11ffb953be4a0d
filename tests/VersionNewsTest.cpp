#include "support/TestSupport.h"

#include "BuildConfig.h"
#include "core/protocol/Lumeris_Commands.h"
#include "desktop/web/WebWindow.h"

namespace {

const QString kDownload = QLatin1String(BuildConfig::webSite) + QStringLiteral("/downloads/Veltaro.exe");
const QString kNoUpdate = QStringLiteral("No update(s) available at this time.");
const QString kQuestion = QStringLiteral("There is a newer version available.  Would you like to upgrade?");

// The program is 2.1.3 (FakeAppInfo).
class VersionNewsTest : public ClientTest
{
protected:
    void version(const QString& v)
    {
        Lumeris_Commands::processVersionReply(state, fake.platform, "CHECKVERSION:" + v + ":");
    }
    void news(const QString& body)
    {
        Lumeris_Commands::processNewsReply(state, fake.platform, "CHECKNEWS:" + body + ":");
    }
    // The user closes every box still open.
    void closeBoxes()
    {
        while (fake.messageBoxes.answer()) {
        }
    }
    const std::vector<FakeMessageBoxes::Box>& boxes() { return fake.messageBoxes.shown(); }
    QStringList navigations() { return fake.browsers.latest ? fake.browsers.latest->navigations : QStringList(); }
};

} // namespace

TEST_F(VersionNewsTest, VersionsCompareAsNumbersAndAMalformedReplyGivesNoVerdict)
{
    const QString same = QStringLiteral("No version update available.");
    const QString newer = QStringLiteral("New version available.");
    const QString failed = QStringLiteral(" Version check failed: unexpected reply from the server.");
    const std::pair<const char*, QString> cases[] = {
        {"CHECKVERSION:2.1.3:", same},    {"CHECKVERSION:2.1.2:", same},
        {"CHECKVERSION:2.0.10:", same},   {"CHECKVERSION:1.99.99:", same},
        {"CHECKVERSION:2.1.4:", newer},   {"CHECKVERSION:2.1.10:", newer},
        {"CHECKVERSION:2.10.0:", newer},  {"CHECKVERSION:3.0.0:", newer},
        {"ERROR:INVALIDUSER:", failed},   {"CHECKVERSION:2.1:", failed},
        {"CHECKVERSION:2.1.4::", failed}, {"CHECKVERSION:V3.0.0:", failed},
        {"CHECKVERSION::", failed},       {"", failed},
    };
    for (const auto& [reply, status] : cases) {
        state.upgradeOffered = false;
        state.mainWindow->showStatus({});
        const std::size_t shown = boxes().size();
        Lumeris_Commands::processVersionReply(state, fake.platform, QLatin1String(reply));
        closeBoxes();
        EXPECT_EQ(statusBar(), status) << reply;
        EXPECT_EQ(boxes().size(), shown + (status == failed ? 0 : 1)) << reply;
        EXPECT_EQ(state.upgradeOffered, status == newer) << reply;
    }
    const FakeMessageBoxes::Box& noUpdate = boxes().front();
    EXPECT_EQ(noUpdate.title + " " + noUpdate.text, "Check for update... " + kNoUpdate);
    EXPECT_EQ(noUpdate.icon, MsgIcon::Information);
    const FakeMessageBoxes::Box& offer = boxes().back();
    EXPECT_EQ(offer.title + " " + offer.text, "Version Upgrade: " + kQuestion);
    EXPECT_EQ(offer.buttons, MsgButtons::YesNo);
    EXPECT_FALSE(state.webWindow.exists()) << "No was the answer";
}

TEST_F(VersionNewsTest, BoxesAreNotStackedAndAnUpgradeIsOfferedOncePerRunUnlessTheUserAsks)
{
    version(QStringLiteral("2.1.3"));
    version(QStringLiteral("2.1.3"));
    EXPECT_EQ(boxes().size(), 1u);
    closeBoxes();
    version(QStringLiteral("2.1.3"));
    EXPECT_EQ(boxes().size(), 2u);
    closeBoxes();

    version(QStringLiteral("2.2.0"));
    closeBoxes();
    version(QStringLiteral("2.2.0"));
    EXPECT_EQ(boxes().size(), 3u);
    state.mainWindow->checkVersion();
    version(QStringLiteral("2.2.0"));
    EXPECT_EQ(boxes().size(), 4u);
}

TEST_F(VersionNewsTest, YesFetchesTheFileInAHiddenWindowEvenWhenTheWebWindowIsStillLoaded)
{
    Lumeris_Commands::requestVersion(state, fake.platform);
    EXPECT_EQ(statusBar(), "Checking version info...");
    version(QStringLiteral("2.2.0"));
    fake.messageBoxes.answer(MsgAnswer::Yes);
    EXPECT_EQ(state.browserURL, kDownload);
    EXPECT_FALSE(state.webWindow->isVisible());
    EXPECT_EQ(navigations(), QStringList{kDownload});

    state.mainWindow->checkVersion();
    version(QStringLiteral("2.2.0"));
    fake.messageBoxes.answer(MsgAnswer::Yes);
    EXPECT_EQ(navigations(), (QStringList{kDownload, kDownload}));
}

TEST_F(VersionNewsTest, NewsOpensTheSmallWebWindowAndShowsTheMessage)
{
    state.mainWindow->showStatus("Checking news...");
    news(QStringLiteral("HTTP://NEWS.TEST/A.HTML:MEETING AT 10:30: BRING COFFEE"));

    EXPECT_EQ(navigations(), QStringList{"HTTP://NEWS.TEST/A.HTML"});
    EXPECT_GE(state.webWindow->outerWidthTwips(), 7200) << "a window too small for a page is never mapped";
    EXPECT_EQ(state.webWindow->caption(), "MEETING AT 10:30: BRING COFFEE");
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, "MEETING AT 10:30: BRING COFFEE");
    EXPECT_EQ(boxes()[0].title, "Veltaro");
    EXPECT_EQ(statusBar(), "Checking news...");

    // A window still loaded keeps its page but takes the new caption.
    news(QStringLiteral("HTTP://NEWS.TEST/B.HTML:SECOND"));
    EXPECT_EQ(navigations(), QStringList{"HTTP://NEWS.TEST/A.HTML"});
    EXPECT_EQ(state.webWindow->caption(), "SECOND");

    // An address with a port is cut at its colon.
    state.webWindow->close();
    news(QStringLiteral("HTTP://NEWS.TEST:8080/A.HTML:HELLO"));
    EXPECT_EQ(state.newsText, "8080/A.HTML:HELLO");
    EXPECT_EQ(navigations(), QStringList{"HTTP://NEWS.TEST"});
}

TEST_F(VersionNewsTest, NoneIsNoNewsAndAnAddressThatIsNoWebPageOnlyShowsTheMessage)
{
    for (const char* body : {"NONE", "NONE AT THIS TIME:REALLY"}) {
        state.mainWindow->showStatus({});
        news(QLatin1String(body));
        EXPECT_EQ(statusBar(), " No news at this time.") << body;
    }
    state.mainWindow->showStatus({});
    news(QStringLiteral("HTTPS:X")); // no separator after the address
    EXPECT_EQ(statusBar(), QString());
    EXPECT_TRUE(boxes().empty());

    for (const char* body : {"FILE:///ETC/PASSWD:LOOK HERE", "DATA:,X:LOOK HERE", "FTP://FILES.TEST/X:LOOK HERE"}) {
        news(QLatin1String(body));
        closeBoxes();
    }
    EXPECT_FALSE(state.webWindow.exists());
    ASSERT_EQ(boxes().size(), 3u);
    EXPECT_EQ(boxes()[2].text, "LOOK HERE");
}
