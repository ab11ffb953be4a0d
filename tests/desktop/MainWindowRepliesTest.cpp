#include "support/TestSupport.h"

#include "BuildConfig.h"
#include "desktop/web/WebWindow.h"

#include <QPushButton>
#include <QRegularExpression>

namespace {

// What the main window, its boxes and the web window show of the server's replies.
class MainWindowRepliesTest : public SignedInTest
{
protected:
    // Runs a command of the client against the server until its exchange has closed.
    void run(void (UpdateClient::*command)())
    {
        (state.client.get()->*command)();
        server.run(1000);
    }
    void listHosts(const QString& reply)
    {
        server.hostsReply = reply;
        run(&UpdateClient::refreshHostList);
    }
    // Shows the news as it is handled, before the page in the web window has loaded.
    void news(const QString& body)
    {
        fake.clock.advance(1000);
        server.newsReply = "CHECKNEWS:" + body + ":";
        state.client->checkNews();
        server.answerAll();
    }
    // The user closes every box still open.
    void closeBoxes()
    {
        while (fake.messageBoxes.answer()) {
        }
    }
    const std::vector<FakeMessageBoxes::Box>& boxes() { return fake.messageBoxes.shown(); }
    QStringList navigations() { return fake.browsers.latest ? fake.browsers.latest->navigations : QStringList(); }

    MainWindow& main = *state.mainWindow;
};

} // namespace

TEST_F(MainWindowRepliesTest, TheHostListFillsTheListsAndSelectingAGroupShowsItsHosts)
{
    state.checkedGroups = QStringLiteral("OFFICE:");
    listHosts(QStringLiteral("GETHOSTS:GHOME:HPC1:HPC2:GEMPTY:GOFFICE:HSERVER:"));
    EXPECT_EQ(lineTexts(mainControl<QListWidget>("groupsList")), QStringList({"HOME", "EMPTY", "OFFICE"}));
    EXPECT_EQ(lineTexts(mainControl<QListWidget>("groupsList"), true), QStringList({"OFFICE"}));
    EXPECT_TRUE(mainControl<QPushButton>("viewHostsButton")->isEnabled());
    EXPECT_EQ(statusBar(), " List refreshed");

    const std::tuple<int, const char*, QStringList> rows[] = {
        {2, "OFFICE", {"SERVER"}}, {1, "EMPTY", {}}, {0, "HOME", {"PC1", "PC2"}}, {-1, "", {}}};
    for (const auto& [row, group, hosts] : rows) {
        mainControl<QListWidget>("groupsList")->setCurrentRow(row);
        EXPECT_EQ(labelText("groupLabel"), group) << row;
        EXPECT_EQ(lineTexts(mainControl<QListWidget>("hostsList")), hosts) << row;
    }

    // A click on a check box edits the checked groups.
    mainControl<QListWidget>("groupsList")->item(0)->setCheckState(Qt::Checked);
    EXPECT_EQ(state.checkedGroups, "OFFICE:HOME:");
}

TEST_F(MainWindowRepliesTest, ARefusedAccountEmptiesTheListsClosesThePanelAndSaysSo)
{
    listHosts(QStringLiteral("GETHOSTS:GHOME:HPC1:GOFFICE:"));
    main.toggleHostsPanel();
    EXPECT_EQ(main.outerWidthTwips(), 9585);
    EXPECT_EQ(mainControl<QPushButton>("viewHostsButton")->text(), "<< Hide Hosts");
    listHosts(QStringLiteral("ERROR:INVALIDUSER:"));

    EXPECT_TRUE(lineTexts(mainControl<QListWidget>("groupsList")).isEmpty());
    EXPECT_TRUE(lineTexts(mainControl<QListWidget>("hostsList")).isEmpty());
    EXPECT_EQ(main.outerWidthTwips(), 4905);
    EXPECT_EQ(mainControl<QPushButton>("viewHostsButton")->text(), "View Hosts in Group >>");
    EXPECT_FALSE(mainControl<QPushButton>("viewHostsButton")->isEnabled());
    EXPECT_EQ(statusBar(), " The user name or password was not accepted");
}

// The program is 2.1.3 (FakeAppInfo).
TEST_F(MainWindowRepliesTest, VersionVerdictsComeInBoxesNeverStackedAndYesFetchesTheFileInAHiddenWindow)
{
    const QString download = QLatin1String(BuildConfig::webSite) + QStringLiteral("/downloads/Veltaro.exe");
    run(&UpdateClient::checkVersion);
    run(&UpdateClient::checkVersion);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].title + " " + boxes()[0].text, "Check for update... No update(s) available at this time.");
    EXPECT_EQ(boxes()[0].icon, MsgIcon::Information);
    closeBoxes();

    server.versionReply = QStringLiteral("CHECKVERSION:2.2.0:");
    run(&UpdateClient::checkVersion);
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxes()[1].title + " " + boxes()[1].text,
              "Version Upgrade: There is a newer version available.  Would you like to upgrade?");
    EXPECT_EQ(boxes()[1].buttons, MsgButtons::YesNo);
    fake.messageBoxes.answer(MsgAnswer::Yes);
    EXPECT_EQ(state.browserURL, download);
    EXPECT_FALSE(state.webWindow->isVisible());
    EXPECT_EQ(navigations(), QStringList{download});

    // Even with the web window still loaded the file is fetched again.
    main.checkVersion();
    server.run(1000);
    fake.messageBoxes.answer(MsgAnswer::Yes);
    EXPECT_EQ(navigations(), (QStringList{download, download}));
}

TEST_F(MainWindowRepliesTest, NewsOfAWebPageOpensTheSmallWebWindowAndAnyNewsShowsItsMessage)
{
    news(QStringLiteral("HTTP://NEWS.TEST/A.HTML:MEETING AT 10:30: BRING COFFEE"));
    EXPECT_EQ(navigations(), QStringList{"HTTP://NEWS.TEST/A.HTML"});
    EXPECT_GE(state.webWindow->outerWidthTwips(), 7200) << "a window too small for a page is never mapped";
    EXPECT_EQ(state.webWindow->caption(), "MEETING AT 10:30: BRING COFFEE");
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, "MEETING AT 10:30: BRING COFFEE");
    EXPECT_EQ(boxes()[0].title, "Veltaro");

    // A window still loaded keeps its page but takes the new caption.
    news(QStringLiteral("HTTP://NEWS.TEST/B.HTML:SECOND"));
    EXPECT_EQ(navigations(), QStringList{"HTTP://NEWS.TEST/A.HTML"});
    EXPECT_EQ(state.webWindow->caption(), "SECOND");

    // News whose address is no web page only shows its message.
    state.webWindow->close();
    closeBoxes();
    news(QStringLiteral("FILE:///ETC/PASSWD:LOOK HERE"));
    EXPECT_TRUE(navigations().isEmpty());
    EXPECT_EQ(boxes().back().text, "LOOK HERE");
}

TEST_F(MainWindowRepliesTest, TheAddressAndTheLastUpdateTimeAreShownInTheLocalForm)
{
    fake.clock.advance(3 * 60 * 60 * 1000 + 60 * 1000);
    state.checkedGroups = QStringLiteral("HOME:");
    run(&UpdateClient::checkAddress);
    EXPECT_EQ(labelText("addressLabel"), "203.0.113.9");
    EXPECT_TRUE(fake.tray.lastTip().contains(QStringLiteral("203.0.113.9")));
    listHosts(QStringLiteral("GETHOSTS:GHOME:"));
    run(&UpdateClient::sendGroupUpdate);
    // 5 December 2026, 10:04, with whatever separators this system uses.
    const QString stamp = labelText("lastUpdateLabel");
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^12(\\D+)05\\g{1}26 10\\D+04$")).match(stamp).hasMatch())
        << stamp.toStdString();
}
