#include "support/TestSupport.h"

#include "BuildConfig.h"
#include "desktop/web/WebWindow.h"

namespace {

const QString kPage = QStringLiteral("http://www.example.test/page.html");

class BrowserWindowTest : public ClientTest
{
protected:
    WebWindow& web() { return windows.webWindow(); }
    FakeBrowser* browser() { return fake.browsers.latest; }
    bool timerRunning() { return web().timTimer->isActive(); }
    void click(const char* key) { web().findChild<QAction*>(QLatin1String(key))->trigger(); }
};

TEST_F(BrowserWindowTest, OnlyWebAddressesGoAnywhere)
{
    web().showWindow();
    for (const char* address : {"file:///etc/passwd", "javascript:alert(1)", "ftp://files.test/x",
                                "javascript:window.open('file:///etc/passwd','_new')"})
        web().navigate(QLatin1String(address));
    EXPECT_EQ(fake.browsers.created, 0);
    EXPECT_TRUE(fake.desktop.opened.isEmpty());
}

TEST_F(BrowserWindowTest, CaptionFollowsTheBrowserUntilItIsDoneAndEveryButtonWatchesItAgain)
{
    web().setPageAddress(kPage);
    web().showWindow();
    ASSERT_NE(browser(), nullptr);
    browser()->busy = true;
    fake.clock.advance(5);
    EXPECT_EQ(web().caption(), "Working...");
    browser()->busy = false;
    browser()->locationName = "Example Page";
    fake.clock.advance(5);
    EXPECT_EQ(web().caption(), "Example Page");
    EXPECT_FALSE(timerRunning());

    click("Back");
    EXPECT_TRUE(timerRunning());
    // Stop sets the caption at once.
    browser()->busy = true;
    browser()->locationName = "Half a Page";
    click("Stop");
    EXPECT_EQ(web().caption(), "Half a Page");
    EXPECT_FALSE(timerRunning());
    EXPECT_EQ(browser()->calls, (QStringList{"Navigate " + kPage, "GoBack", "Stop"}));
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
