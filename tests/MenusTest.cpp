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

TEST(StartAtLogin, ItsMarkShowsTheRunKeyAndARefusedChangePutsTheMarkBack)
{
    const QString runKey = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    FakePlatform fake;
    fake.registry.setValue(Registry::HKEY_CURRENT_USER_ROOT, runKey, QStringLiteral("Veltaro"), Registry::REG_SZ_TYPE,
                           "x");
    ClientState state;
    installWindowFactories(state, fake.platform);
    MainWindow& window = *state.mainWindow;
    EXPECT_TRUE(window.startAtLogin->isChecked());

    window.startAtLogin->trigger();
    EXPECT_FALSE(window.startAtLogin->isChecked());
    EXPECT_FALSE(fake.loginStart.isEnabled());
    window.startAtLogin->trigger();
    std::uintptr_t key = 0;
    std::uint32_t type = 0;
    QByteArray command;
    ASSERT_EQ(fake.registry.openKey(Registry::HKEY_CURRENT_USER_ROOT, runKey, Registry::KEY_READ_ACCESS, &key), 0);
    ASSERT_EQ(fake.registry.queryValue(key, QStringLiteral("veltaro"), &type, &command, 100), 0);
    EXPECT_EQ(command, QByteArray("\"/program/veltaro\"", 19));

    fake.registry.refuseWritesWith = 5;
    window.startAtLogin->trigger();
    EXPECT_TRUE(window.startAtLogin->isChecked());
    EXPECT_EQ(window.lblStatusBar->text(),
              " Start at Login could not be changed: the registry refused the change (error 5)");
}
