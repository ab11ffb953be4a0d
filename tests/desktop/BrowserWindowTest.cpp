#include "support/TestSupport.h"

#include "BuildConfig.h"
#include "desktop/web/WebWindow.h"

#include <QAction>

namespace {

const QString kPage = QStringLiteral("http://www.example.test/page.html");

class BrowserWindowTest : public ClientTest
{
protected:
    WebWindow& web() { return windows.webWindow(); }
    FakeBrowser* browser() { return fake.browsers.latest; }
    bool timerRunning() { return web().timTimer->isActive(); }
    void click(const char* key) { web().findChild<QAction*>(QLatin1String(key))->trigger(); }
    void loadPage(const QString& url = kPage)
    {
        web().setPageAddress(url);
        web().showWindow();
        ASSERT_NE(browser(), nullptr);
    }
};

TEST_F(BrowserWindowTest, OnlyWebAddressesGoAnywhere)
{
    web().showWindow();
    EXPECT_TRUE(web().isVisible());
    for (const char* address : {"file:///etc/passwd", "javascript:alert(1)", "ftp://files.test/x",
                                "javascript:window.open('file:///etc/passwd','_new')"})
        web().navigate(QLatin1String(address));
    EXPECT_EQ(fake.browsers.created, 0);
    EXPECT_TRUE(fake.desktop.opened.isEmpty());
}

TEST_F(BrowserWindowTest, CaptionFollowsTheBrowserUntilItIsDoneAndEveryButtonWatchesItAgain)
{
    loadPage();
    browser()->busy = true;
    fake.clock.advance(5);
    EXPECT_EQ(web().caption(), "Working...");
    browser()->busy = false;
    browser()->locationName = "Example Page";
    fake.clock.advance(5);
    EXPECT_EQ(web().caption(), "Example Page");
    EXPECT_FALSE(timerRunning());

    for (const char* key : {"Back", "Forward", "Refresh"}) {
        click(key);
        EXPECT_TRUE(timerRunning()) << key;
        fake.clock.advance(5);
    }
    // Stop sets the caption at once.
    browser()->busy = true;
    browser()->locationName = "Half a Page";
    click("Stop");
    EXPECT_EQ(web().caption(), "Half a Page");
    EXPECT_FALSE(timerRunning());
    EXPECT_EQ(browser()->calls, (QStringList{"Navigate " + kPage, "GoBack", "GoForward", "Refresh", "Stop"}));
}

TEST_F(BrowserWindowTest, DownloadsEndInABoxAfterTheEngineSignal)
{
    loadPage();
    browser()->fireFileDownloaded(QStringLiteral("/downloads/Veltaro.exe"), true);
    browser()->fireFileDownloaded(QStringLiteral("/downloads/Other.exe"), false);
    EXPECT_TRUE(fake.messageBoxes.shown().empty());
    fake.clock.runPosted();
    ASSERT_EQ(fake.messageBoxes.shown().size(), 2u);
    EXPECT_TRUE(fake.messageBoxes.shown()[0].text.contains("/downloads/Veltaro.exe"));
    EXPECT_TRUE(fake.messageBoxes.shown()[1].text.contains("failed"));
}

TEST_F(BrowserWindowTest, ABrowserThatEndsIsNamedInTheCaptionAndTheNextPageLoadsAgain)
{
    loadPage();
    browser()->busy = true;
    fake.clock.advance(5);
    browser()->fireEnded();
    EXPECT_EQ(web().caption(), "The web page is gone: its browser has stopped.");
    EXPECT_FALSE(timerRunning());
    browser()->fireEnded(BrowserEnd::HelperMissing);
    EXPECT_TRUE(web().caption().contains("veltaro-web")) << web().caption().toStdString();

    loadPage(QStringLiteral("http://www.example.test/next.html"));
    EXPECT_EQ(browser()->navigations, (QStringList{kPage, "http://www.example.test/next.html"}));
    EXPECT_TRUE(timerRunning());
}

TEST_F(BrowserWindowTest, ServicePagesLeaveHiddenLaunchersAndReachTheDesktop)
{
    const QString site = QLatin1String(BuildConfig::webSite);
    for (const char* action : {"trayManageHostsAction", "supportAction"})
        trigger(action);
    EXPECT_EQ(fake.desktop.opened, (QList<QUrl>{QUrl(site + "/members/"), QUrl(site + "/faq.php")}));
    EXPECT_EQ(fake.browsers.created, 0) << "a launcher makes no web view";
    EXPECT_FALSE(windows.hasWebWindow());
    const QList<WebWindow*> launchers = main().findChildren<WebWindow*>();
    ASSERT_EQ(launchers.size(), 2);
    for (WebWindow* launcher : launchers)
        EXPECT_TRUE(launcher->isLoaded() && !launcher->isVisible());
}

} // namespace
