#include "support/TestSupport.h"

#include "BuildConfig.h"
#include "core/platform/Timers.h"
#include "desktop/widgets/Twips.h"
#include "desktop/web/WebWindow.h"

#include <QAction>

namespace {

const QString kPage = QStringLiteral("http://www.example.test/page.html");

class BrowserWindowTest : public ClientTest
{
protected:
    WebWindow& web() { return *state.webWindow; }
    FakeBrowser* browser() { return fake.browsers.latest; }
    bool timerRunning() { return web().timTimer->isActive(); }
    void click(const char* key) { web().findChild<QAction*>(QLatin1String(key))->trigger(); }
    QSize browserSize() { return web().findChild<QWidget*>(QStringLiteral("browser"))->size(); }
    void loadPage()
    {
        state.browserURL = kPage;
        web().showWindow();
        ASSERT_NE(browser(), nullptr);
    }
};

TEST_F(BrowserWindowTest, WithoutAWebAddressTheWindowShowsEmptyAndMakesNoBrowser)
{
    web().showWindow();
    EXPECT_TRUE(web().isVisible());
    EXPECT_FALSE(timerRunning());
    click("Back");
    fake.clock.advance(5);
    EXPECT_FALSE(timerRunning());

    // Only web addresses go anywhere.
    for (const char* address : {"file:///etc/passwd", "javascript:alert(1)", "ftp://files.test/x",
                                "javascript:window.open('file:///etc/passwd','_new')"})
        web().navigate(QLatin1String(address));
    EXPECT_EQ(fake.browsers.created, 0);
    EXPECT_TRUE(fake.desktop.opened.isEmpty());
}

TEST_F(BrowserWindowTest, CaptionFollowsTheBrowserUntilItIsDoneAndEveryButtonWatchesItAgain)
{
    loadPage();
    EXPECT_EQ(browser()->navigations, QStringList{kPage});
    browser()->busy = true;
    fake.clock.advance(5);
    EXPECT_EQ(web().caption(), "Working...");
    browser()->busy = false;
    browser()->locationName = "Example Page";
    fake.clock.advance(5);
    EXPECT_EQ(web().caption(), "Example Page");
    EXPECT_FALSE(timerRunning());

    browser()->locationName = "Next Page";
    browser()->fireDownloadComplete();
    EXPECT_EQ(web().caption(), "Next Page");

    for (const char* key : {"Back", "Forward", "Refresh"}) {
        click(key);
        EXPECT_TRUE(timerRunning()) << key;
        fake.clock.advance(5);
    }
    EXPECT_EQ(browser()->calls, (QStringList{"Navigate " + kPage, "GoBack", "GoForward", "Refresh"}));

    // Stop sets the caption at once.
    browser()->busy = true;
    browser()->locationName = "Half a Page";
    click("Stop");
    EXPECT_EQ(web().caption(), "Half a Page");
    EXPECT_FALSE(timerRunning());
    EXPECT_EQ(browser()->calls.last(), "Stop");
}

TEST_F(BrowserWindowTest, DownloadsEndInABoxAfterTheEngineSignal)
{
    loadPage();
    browser()->fireFileDownloaded(QStringLiteral("/downloads/Veltaro.exe"), true);
    browser()->fireFileDownloaded(QStringLiteral("/downloads/Other.exe"), false);
    EXPECT_TRUE(fake.messageBoxes.shown().empty());
    fake.clock.runPosted();

    const auto& boxes = fake.messageBoxes.shown();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(boxes[0].text.contains("/downloads/Veltaro.exe"));
    EXPECT_TRUE(boxes[1].text.contains("failed"));
}

TEST_F(BrowserWindowTest, ABrowserThatEndsIsNamedInTheCaptionAndTheNextPageLoadsAgain)
{
    loadPage();
    browser()->busy = true;
    fake.clock.advance(5);
    browser()->fireEnded();
    EXPECT_EQ(web().caption(), "The web page is gone: its browser has stopped.");
    EXPECT_FALSE(timerRunning());
    EXPECT_TRUE(web().isVisible());
    browser()->fireEnded(BrowserEnd::HelperMissing);
    EXPECT_TRUE(web().caption().contains("veltaro-web")) << web().caption().toStdString();

    // The window still shows, but the next page request sends the browser there again.
    state.browserURL = QStringLiteral("http://www.example.test/next.html");
    web().showWindow();
    EXPECT_EQ(browser()->navigations, (QStringList{kPage, state.browserURL}));
    EXPECT_TRUE(timerRunning());
}

TEST_F(BrowserWindowTest, BrowserFillsTheWindowBelowTheToolBarAndTheWindowIsNeverTooSmallForAPage)
{
    loadPage();
    web().setOuterSizeTwips(9000, 6750);
    EXPECT_EQ(browserSize(), QSize(twipsToPixels(8810), twipsToPixels(5595)));
    // The news asks for a window too small for any page: it gets the smallest one can read.
    web().setOuterSizeTwips(500, 300);
    EXPECT_EQ(browserSize(), QSize(twipsToPixels(7010), twipsToPixels(4245)));
}

TEST_F(BrowserWindowTest, ServicePagesLeaveHiddenLaunchersAndReachTheDesktop)
{
    const QString site = QLatin1String(BuildConfig::webSite);
    for (const char* path : {"/members/", "/faq.php"})
        openServicePage(state, fake.platform, QLatin1String(path), state.mainWindow.get());

    EXPECT_EQ(fake.desktop.opened, (QList<QUrl>{QUrl(site + "/members/"), QUrl(site + "/faq.php")}));
    EXPECT_EQ(fake.browsers.created, 0) << "a launcher makes no web view";
    EXPECT_FALSE(state.webWindow.exists());
    const QList<WebWindow*> launchers = state.mainWindow->findChildren<WebWindow*>();
    ASSERT_EQ(launchers.size(), 2);
    for (WebWindow* launcher : launchers)
        EXPECT_TRUE(launcher->isLoaded() && !launcher->isVisible());
}

} // namespace
