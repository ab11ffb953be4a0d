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
    window->mnuPreferences->trigger();
    window->Preferences->trigger();
    EXPECT_EQ(QApplication::topLevelWidgets().count(state.preferencesDialog.get()), 1);
    EXPECT_TRUE(state.preferencesDialog->isVisible());

    window->mnuSave->trigger();
    EXPECT_TRUE(fake.files.contents.contains(QStringLiteral("/program/DNS.conf")));

    window->disableUpdatesTRAY->trigger();
    EXPECT_EQ(state.autoUpdate, 0);
    EXPECT_TRUE(window->disableUpdates->isChecked());
    window->enableUpdatesTRAY->trigger();
    EXPECT_EQ(state.autoUpdate, 1);
    EXPECT_TRUE(window->enableUpdates->isChecked());

    window->mnuManageHosts->trigger();
    ASSERT_EQ(fake.desktop.opened.size(), 1);
    EXPECT_TRUE(fake.desktop.opened.first().toString().endsWith(QLatin1String("/members/")));

    window->mnuExit->trigger();
    EXPECT_EQ(fake.app.quitCalls, 1);
}

TEST(StartAtLogin, ItsMarkShowsWhetherItIsOnAndARefusedChangePutsTheMarkBack)
{
    FakePlatform fake;
    fake.loginStart.enabled = true;
    ClientState state;
    installWindowFactories(state, fake.platform);
    MainWindow& window = *state.mainWindow;
    EXPECT_TRUE(window.startAtLogin->isChecked());

    window.startAtLogin->trigger();
    EXPECT_FALSE(window.startAtLogin->isChecked());
    EXPECT_FALSE(fake.loginStart.enabled);

    fake.loginStart.refuseWith = QStringLiteral("Permission denied");
    window.startAtLogin->trigger();
    EXPECT_FALSE(window.startAtLogin->isChecked());
    EXPECT_EQ(window.lblStatusBar->text(), " Start at Login could not be changed: Permission denied");
}
