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
        (client().*command)();
        server.run(1000);
    }
    void listHosts(const QString& reply)
    {
        server.hostsReply = reply;
        run(&UpdateClient::refreshHostList);
    }
    QListWidget* list(const char* name) { return mainControl<QListWidget>(name); }
    const std::vector<FakeMessageBoxes::Box>& boxes() { return fake.messageBoxes.shown(); }
    QStringList navigations() { return fake.browsers.latest ? fake.browsers.latest->navigations : QStringList(); }
};

} // namespace

TEST_F(MainWindowRepliesTest, TheHostListFillsTheListsAndARefusedAccountEmptiesThemAndClosesThePanel)
{
    settings.checkedGroups = QStringLiteral("OFFICE:");
    listHosts(QStringLiteral("GETHOSTS:GHOME:HPC1:HPC2:GEMPTY:GOFFICE:HSERVER:"));
    EXPECT_EQ(lineTexts(list("groupsList")), QStringList({"HOME", "EMPTY", "OFFICE"}));
    EXPECT_EQ(lineTexts(list("groupsList"), true), QStringList({"OFFICE"}));

    const std::tuple<int, const char*, QStringList> rows[] = {
        {2, "OFFICE", {"SERVER"}}, {1, "EMPTY", {}}, {0, "HOME", {"PC1", "PC2"}}, {-1, "", {}}};
    for (const auto& [row, group, hosts] : rows) {
        list("groupsList")->setCurrentRow(row);
        EXPECT_EQ(labelText("groupLabel"), group) << row;
        EXPECT_EQ(lineTexts(list("hostsList")), hosts) << row;
    }
    list("groupsList")->item(0)->setCheckState(Qt::Checked);
    EXPECT_EQ(settings.checkedGroups, "OFFICE:HOME:");

    mainControl<QPushButton>("viewHostsButton")->click();
    EXPECT_FALSE(list("hostsList")->isHidden());
    listHosts(QStringLiteral("ERROR:INVALIDUSER:"));
    EXPECT_TRUE(lineTexts(list("groupsList")).isEmpty() && lineTexts(list("hostsList")).isEmpty());
    EXPECT_TRUE(list("hostsList")->isHidden());
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
    fake.messageBoxes.answer();

    server.versionReply = QStringLiteral("CHECKVERSION:2.2.0:");
    for (int offer = 1; offer <= 2; ++offer) {
        run(&UpdateClient::checkVersion);
        ASSERT_EQ(boxes().size(), 1u + offer);
        EXPECT_EQ(boxes().back().title + " " + boxes().back().text,
                  "Version Upgrade: There is a newer version available.  Would you like to upgrade?");
        fake.messageBoxes.answer(MsgAnswer::Yes);
        // Even with the web window still loaded the file is fetched again.
        EXPECT_EQ(navigations(), QStringList(offer, download));
        EXPECT_FALSE(windows.webWindow().isVisible());
    }
}

TEST_F(MainWindowRepliesTest, NewsOfAWebPageOpensTheSmallWebWindowAndAnyNewsShowsItsMessage)
{
    server.newsReply = QStringLiteral("CHECKNEWS:HTTP://NEWS.TEST/A.HTML:MEETING AT 10:30: BRING COFFEE:");
    client().checkNews();
    // As the news is handled, before the page in the web window has loaded.
    server.answerAll();
    EXPECT_EQ(navigations(), QStringList{"HTTP://NEWS.TEST/A.HTML"});
    EXPECT_EQ(windows.webWindow().caption(), "MEETING AT 10:30: BRING COFFEE");
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].title + " " + boxes()[0].text, "Veltaro MEETING AT 10:30: BRING COFFEE");
}

TEST_F(MainWindowRepliesTest, TheAddressAndTheLastUpdateTimeAreShownInTheLocalForm)
{
    fake.clock.advance(3 * 60 * 60 * 1000 + 60 * 1000);
    settings.checkedGroups = QStringLiteral("HOME:");
    run(&UpdateClient::checkAddress);
    EXPECT_EQ(labelText("addressLabel"), "203.0.113.9");
    // A screen reader hears what the value is along with it.
    EXPECT_EQ(mainControl<QLabel>("addressLabel")->accessibleName(), "Current IP: 203.0.113.9");
    EXPECT_EQ(fake.tray.lastTip(), "Veltaro [203.0.113.9]");
    listHosts(QStringLiteral("GETHOSTS:GHOME:"));
    run(&UpdateClient::sendGroupUpdate);
    EXPECT_EQ(statusBar(), " Update successful");
    // 5 December 2026, 10:04, with whatever separators this system uses.
    const QString stamp = labelText("lastUpdateLabel");
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^12(\\D+)05\\g{1}26 10\\D+04$")).match(stamp).hasMatch())
        << stamp.toStdString();
}
