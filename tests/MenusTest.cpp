#include "platform/fake/FakePlatform.h"
#include "state/ClientState.h"
#include "ui/Windows.h"
#include "ui/main/frmMain.h"
#include "ui/preferences/frmPreferences.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct ShortcutCase
{
    Qt::Key key;
    const char* action;
    // What the handler leaves in the status bar, or the end of the page it opens.
    const char* status;
    const char* page = "";
    bool opensPreferences = false;
};

class MainWindowMenus : public ::testing::TestWithParam<ShortcutCase>
{
protected:
    void SetUp() override
    {
        installWindowFactories(state, fake.platform);
        state.userName = QStringLiteral("U");
        state.password = QStringLiteral("P");
        window = state.frmMain.get();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    FakePlatform fake;
    ClientState state;
    frmMain* window = nullptr;
};

} // namespace

TEST_P(MainWindowMenus, ShortcutReachesItsHandler)
{
    const ShortcutCase& shortcut = GetParam();
    auto* action = window->findChild<QAction*>(QLatin1String(shortcut.action));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | shortcut.key));

    QTest::keyClick(window, shortcut.key, Qt::ControlModifier);

    if (*shortcut.status != '\0') {
        EXPECT_EQ(window->lblStatusBar->text(), QLatin1String(shortcut.status));
    }
    EXPECT_EQ(state.preferencesOpen, shortcut.opensPreferences);
    if (*shortcut.page != '\0') {
        ASSERT_EQ(fake.desktop.opened.size(), 1);
        EXPECT_TRUE(fake.desktop.opened.first().toString().endsWith(QLatin1String(shortcut.page)));
    }
}

INSTANTIATE_TEST_SUITE_P(Shortcuts, MainWindowMenus,
                         ::testing::Values(ShortcutCase{Qt::Key_I, "getMyIP", "Checking for new IP..."},
                                           ShortcutCase{Qt::Key_R, "getHosts", "Refreshing hosts..."},
                                           ShortcutCase{Qt::Key_U, "Update", "Refreshing hosts..."},
                                           ShortcutCase{Qt::Key_M, "CheckNews", "Checking news..."},
                                           ShortcutCase{Qt::Key_S, "Preferences", "", "", true},
                                           ShortcutCase{Qt::Key_H, "Support", "", "/faq.php"}));

TEST_F(MainWindowMenus, ItemsWithoutShortcutsReachTheirHandlers)
{
    window->mnuPreferences->trigger();
    window->Preferences->trigger();
    EXPECT_EQ(QApplication::topLevelWidgets().count(state.frmPreferences.get()), 1);
    EXPECT_TRUE(state.frmPreferences->isVisible());

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
    frmMain& window = *state.frmMain;
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
