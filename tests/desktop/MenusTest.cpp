#include "desktop/preferences/PreferencesDialog.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QTest>

namespace {

class MainWindowMenus : public ::testing::Test, public SignedInClient
{
protected:
    void SetUp() override
    {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    MainWindow* window = state.mainWindow.get();
};

} // namespace

TEST_F(MainWindowMenus, EachShortcutReachesItsHandler)
{
    state.checkedGroups = QStringLiteral("OFFICE:");
    // Refresh first, so the update has its list and goes out at once.
    for (const Qt::Key key : {Qt::Key_I, Qt::Key_R, Qt::Key_U, Qt::Key_M}) {
        QTest::keyClick(window, key, Qt::ControlModifier);
        server.run(1000);
    }
    EXPECT_EQ(server.commandWords(), QStringList({"GETMYIP", "GETHOSTS", "UPDATE", "CHECKNEWS"}));

    QTest::keyClick(window, Qt::Key_H, Qt::ControlModifier);
    ASSERT_EQ(fake.desktop.opened.size(), 1);
    EXPECT_TRUE(fake.desktop.opened.first().toString().endsWith(QLatin1String("/faq.php")));
    EXPECT_FALSE(state.preferencesOpen);
    QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(state.preferencesOpen);
}

TEST_F(MainWindowMenus, ItemsWithoutShortcutsReachTheirHandlers)
{
    trigger("trayPreferencesAction");
    trigger("preferencesAction");
    EXPECT_EQ(QApplication::topLevelWidgets().count(state.preferencesDialog.get()), 1);
    EXPECT_TRUE(state.preferencesDialog->isVisible());

    trigger("saveAction");
    EXPECT_TRUE(fake.files.contents.contains(QStringLiteral("/program/DNS.conf")));

    trigger("trayDisableUpdatesAction");
    EXPECT_EQ(state.autoUpdate, 0);
    EXPECT_TRUE(mainControl<QAction>("disableUpdatesAction")->isChecked());
    trigger("trayEnableUpdatesAction");
    EXPECT_EQ(state.autoUpdate, 1);
    EXPECT_TRUE(mainControl<QAction>("enableUpdatesAction")->isChecked());

    trigger("trayManageHostsAction");
    ASSERT_EQ(fake.desktop.opened.size(), 1);
    EXPECT_TRUE(fake.desktop.opened.first().toString().endsWith(QLatin1String("/members/")));

    trigger("trayExitAction");
    EXPECT_EQ(fake.app.quitCalls, 1);
}

TEST(StartAtLogin, ItsMarkShowsWhetherItIsOnAndARefusedChangePutsTheMarkBack)
{
    FakeClient client;
    client.fake.loginStart.enabled = true;
    QAction* startAtLogin = client.mainControl<QAction>("startAtLoginAction");
    EXPECT_TRUE(startAtLogin->isChecked());

    startAtLogin->trigger();
    EXPECT_FALSE(startAtLogin->isChecked());
    EXPECT_FALSE(client.fake.loginStart.enabled);

    client.fake.loginStart.refuseWith = QStringLiteral("Permission denied");
    startAtLogin->trigger();
    EXPECT_FALSE(startAtLogin->isChecked());
    EXPECT_EQ(client.statusBar(), " Start at Login could not be changed: Permission denied");
}
