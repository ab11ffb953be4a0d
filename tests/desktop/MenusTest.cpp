#include "desktop/about/AboutDialog.h"
#include "desktop/preferences/PreferencesDialog.h"
#include "support/TestSupport.h"

#include <QTest>

using MenusTest = SignedInTest;

TEST_F(MenusTest, EachMenuItemAndShortcutReachesItsHandler)
{
    main().show();
    main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    settings.checkedGroups = QStringLiteral("OFFICE:");
    // Refresh first, so the update has its list and goes out at once.
    for (const Qt::Key key : {Qt::Key_I, Qt::Key_R, Qt::Key_U, Qt::Key_M}) {
        QTest::keyClick(&main(), key, Qt::ControlModifier);
        server.run(1000);
    }
    EXPECT_EQ(server.commandWords(), QStringList({"GETMYIP", "GETHOSTS", "UPDATE", "CHECKNEWS"}));
    QTest::keyClick(&main(), Qt::Key_H, Qt::ControlModifier);
    ASSERT_EQ(fake.desktop.opened.size(), 1);
    EXPECT_TRUE(fake.desktop.opened.first().toString().endsWith("/faq.php"));
    QTest::keyClick(&main(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(windows.preferencesDialog().isVisible());

    for (const auto& [action, on] :
         {std::pair("trayDisableUpdatesAction", 0), std::pair("trayEnableUpdatesAction", 1)}) {
        trigger(action);
        EXPECT_EQ(settings.autoUpdate, on) << action;
        EXPECT_EQ(mainControl<QAction>("enableUpdatesAction")->isChecked(), on == 1) << action;
    }
    trigger("aboutAction");
    EXPECT_TRUE(windows.aboutDialog().isVisible());
    trigger("trayExitAction");
    EXPECT_EQ(fake.app.quitCalls, 1);
}

TEST(StartAtLogin, ItsMarkShowsWhetherItIsOnAndARefusedChangePutsTheMarkBack)
{
    FakePlatform fake;
    fake.loginStart.enabled = true;
    DesktopWindows windows(fake.platform);
    auto* startAtLogin = windows.mainWindow().findChild<QAction*>("startAtLoginAction");
    EXPECT_TRUE(startAtLogin->isChecked());
    startAtLogin->trigger();
    EXPECT_FALSE(startAtLogin->isChecked() || fake.loginStart.enabled);
    fake.loginStart.refuseWith = QStringLiteral("Permission denied");
    startAtLogin->trigger();
    EXPECT_FALSE(startAtLogin->isChecked());
    EXPECT_EQ(windows.mainWindow().findChild<QLabel*>("statusLabel")->text(),
              " Start at Login could not be changed: Permission denied");
}
