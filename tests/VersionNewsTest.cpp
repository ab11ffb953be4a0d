#include "TestSupport.h"

#include "BuildConfig.h"
#include "protocol/Lumeris_Commands.h"
#include "ui/browser/frmBrowser.h"
#include "ui/main/frmMain.h"

#include <QLabel>

namespace {

const QString kDownload = QLatin1String(BuildConfig::webSite) + QStringLiteral("/downloads/Veltaro.exe");
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
    QString status() { return state.frmMain->lblStatusBar->text(); }
    const std::vector<FakeMessageBoxes::Box>& boxes() { return fake.messageBoxes.shown(); }
    QStringList navigations() { return fake.browsers.latest ? fake.browsers.latest->navigations : QStringList(); }
};

TEST_F(VersionNewsTest, RequestsCarryTheCredentials)
{
    state.userName = "demo";
    state.password = "se:cret";
    Lumeris_Commands::requestNews(state, fake.platform);
    EXPECT_EQ(state.requestText, "checkNews:demo:se:cret:");
    fake.clock.advance(60000);

    Lumeris_Commands::requestVersion(state, fake.platform);
    EXPECT_EQ(status(), "Checking version info...");
    ASSERT_TRUE(fake.sockets.last().accept());
    EXPECT_EQ(fake.sockets.last().sent(), Common_Functions::scrambleText("checkVersion:demo:se:cret:"));
}

TEST_F(VersionNewsTest, VersionsCompareAsNumbersAndAMalformedReplyGivesNoVerdict)
{
    for (const char* v : {"2.1.3", "2.1.2", "2.0.10", "1.99.99"}) {
        version(QLatin1String(v));
        closeBoxes();
        EXPECT_EQ(status(), "No version update available.") << v;
        EXPECT_EQ(boxes().back().text, "No update(s) available at this time.") << v;
    }
    EXPECT_EQ(boxes().back().title, "Check for update...");
    EXPECT_EQ(boxes().back().icon, MsgIcon::Information);
    EXPECT_FALSE(state.upgradeOffered);

    for (const char* v : {"2.1.4", "2.1.10", "2.10.0", "3.0.0"}) {
        state.upgradeOffered = false;
        version(QLatin1String(v));
        closeBoxes();
        EXPECT_EQ(status(), "New version available.") << v;
        EXPECT_EQ(boxes().back().text, kQuestion) << v;
    }
    EXPECT_EQ(boxes().back().title, "Version Upgrade:");
    EXPECT_EQ(boxes().back().buttons, MsgButtons::YesNo);
    EXPECT_FALSE(state.frmBrowser.exists()) << "No was the answer";

    state.upgradeOffered = false;
    for (const char* reply : {"ERROR:INVALIDUSER:", "CHECKVERSION:2.1:", "CHECKVERSION:2.1.4::", "CHECKVERSION:V3.0.0:",
                              "CHECKVERSION::", ""}) {
        state.frmMain->lblStatusBar->clear();
        Lumeris_Commands::processVersionReply(state, fake.platform, QLatin1String(reply));
        EXPECT_EQ(status(), " Version check failed: unexpected reply from the server.") << reply;
    }
    EXPECT_EQ(boxes().size(), 8u);
    EXPECT_FALSE(state.upgradeOffered);
}

TEST_F(VersionNewsTest, NoUpdateBoxIsNotStackedOnAnOpenOne)
{
    version(QStringLiteral("2.1.3"));
    version(QStringLiteral("2.1.3"));
    EXPECT_EQ(boxes().size(), 1u);
    fake.messageBoxes.answer();
    version(QStringLiteral("2.1.3"));
    EXPECT_EQ(boxes().size(), 2u);
}

TEST_F(VersionNewsTest, AutomaticChecksAskOncePerRunButTheMenuItemAsksAgain)
{
    version(QStringLiteral("2.2.0"));
    version(QStringLiteral("2.2.0"));
    EXPECT_EQ(boxes().size(), 1u);
    closeBoxes();
    state.frmMain->checkVersion_Click();
    version(QStringLiteral("2.2.0"));
    EXPECT_EQ(boxes().size(), 2u);
}

TEST_F(VersionNewsTest, YesFetchesTheFileInAHiddenWindowAndSaysWhereItWent)
{
    version(QStringLiteral("2.2.0"));
    fake.messageBoxes.answer(MsgAnswer::Yes);
    EXPECT_EQ(state.browserURL, kDownload);
    EXPECT_FALSE(state.frmBrowser->isVisible());
    EXPECT_EQ(navigations(), QStringList{kDownload});
}

TEST_F(VersionNewsTest, YesFetchesTheFileEvenWhenTheWebWindowIsStillLoaded)
{
    news(QStringLiteral("HTTP://NEWS.TEST/TODAY.HTML:HELLO"));
    closeBoxes();
    version(QStringLiteral("2.2.0"));
    fake.messageBoxes.answer(MsgAnswer::Yes);
    EXPECT_EQ(navigations(), (QStringList{"HTTP://NEWS.TEST/TODAY.HTML", kDownload}));
}

TEST_F(VersionNewsTest, NoneMeansNoNewsWhateverFollows)
{
    for (const char* body : {"NONE", "NONE AT THIS TIME:REALLY"}) {
        state.frmMain->lblStatusBar->clear();
        news(QLatin1String(body));
        EXPECT_EQ(status(), " No news at this time.") << body;
    }
    state.frmMain->lblStatusBar->clear();
    news(QStringLiteral("HTTPS:X")); // no separator after the address
    EXPECT_EQ(status(), QString());
    EXPECT_FALSE(state.frmBrowser.exists());
    EXPECT_TRUE(boxes().empty());
}

TEST_F(VersionNewsTest, NewsOpensTheSmallWebWindowAndShowsTheMessage)
{
    state.frmMain->lblStatusBar->setText("Checking news...");
    news(QStringLiteral("HTTP://NEWS.TEST/A.HTML:MEETING AT 10:30: BRING COFFEE"));

    EXPECT_EQ(state.newsURL, "HTTP://NEWS.TEST/A.HTML");
    EXPECT_EQ(state.newsText, "MEETING AT 10:30: BRING COFFEE");
    EXPECT_EQ(navigations(), QStringList{"HTTP://NEWS.TEST/A.HTML"});
    EXPECT_NEAR(state.frmBrowser->outerWidthTwips(), 500, 15);
    EXPECT_EQ(state.frmBrowser->caption(), state.newsText);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, state.newsText);
    EXPECT_EQ(boxes()[0].title, "Veltaro");
    EXPECT_EQ(status(), "Checking news...");

    // An address with a port is cut at its colon.
    state.frmBrowser->close();
    news(QStringLiteral("HTTP://NEWS.TEST:8080/A.HTML:HELLO"));
    EXPECT_EQ(state.newsText, "8080/A.HTML:HELLO");
    EXPECT_EQ(navigations(), QStringList{"HTTP://NEWS.TEST"});
}

TEST_F(VersionNewsTest, NonWebNewsAddressIsNotOpenedButTheMessageIsShown)
{
    for (const char* body : {"FILE:///ETC/PASSWD:LOOK HERE", "DATA:,X:LOOK HERE", "FTP://FILES.TEST/X:LOOK HERE"}) {
        news(QLatin1String(body));
        closeBoxes();
    }
    EXPECT_FALSE(state.frmBrowser.exists());
    ASSERT_EQ(boxes().size(), 3u);
    EXPECT_EQ(boxes()[2].text, "LOOK HERE");
}

TEST_F(VersionNewsTest, StillLoadedWindowKeepsItsPageButTakesTheNewCaption)
{
    news(QStringLiteral("HTTP://NEWS.TEST/FIRST.HTML:FIRST"));
    news(QStringLiteral("HTTP://NEWS.TEST/SECOND.HTML:SECOND"));
    EXPECT_EQ(navigations(), QStringList{"HTTP://NEWS.TEST/FIRST.HTML"});
    EXPECT_EQ(state.frmBrowser->caption(), "SECOND");
    EXPECT_EQ(boxes().size(), 2u);
}

} // namespace
