#include "support/TestSupport.h"

#include "core/settings/ConfigFile.h"

#include <QAction>
#include <QPushButton>

namespace {

QStringList settingsFile(const QString& fixed = "0", const QString& minimize = "0", const QString& autoUpdate = "1")
{
    return {"#", scrambledLine("alice"), fixed, "1.2.3.4", scrambledLine("pw"), "15", "", minimize, autoUpdate};
}

// Starts the program over a settings file of `lines`.
MainWindow& start(FakeClient& client, const QStringList& lines = settingsFile())
{
    client.fake.files.contents.insert(ConfigFile::path(client.fake.platform), configFile(lines));
    client.main().start();
    return client.main();
}

using StartupTest = ClientTest;

TEST_F(StartupTest, WithAnAccountTheIpCheckGoesOutTheAccountIsShownAndACutLineIsSaid)
{
    QStringList lines = settingsFile();
    lines[6] = QString(ConfigFile::kLongestLine + 1, u'S');
    EXPECT_TRUE(start(*this, lines).isVisible());
    EXPECT_EQ(fake.sockets.count(), 1) << "the IP check";
    EXPECT_EQ(labelText("userNameLabel"), "ALICE");
    EXPECT_FALSE(mainControl<QPushButton>("viewHostsButton")->isEnabled());
    // Over the IP check's own text.
    EXPECT_TRUE(statusBar().contains("cut")) << statusBar().toStdString();
}

TEST(StartupSettings, OnlyAutoUpdateOneChecksEnableAndOnlyMinimiseOneWithATrayHides)
{
    for (const QString value : {"1", "-1", "2", "0"}) {
        FakeClient client;
        start(client, settingsFile("0", "0", value));
        const bool on = value == "1";
        for (const char* action : {"enableUpdatesAction", "trayEnableUpdatesAction"})
            EXPECT_EQ(client.mainControl<QAction>(action)->isChecked(), on) << value.toStdString() << action;
        client.fake.clock.advance(60000);
        EXPECT_EQ(client.fake.clock.firings(QStringLiteral("minute")), on ? 1 : 0);
    }
    for (const auto& [minimize, tray, visible] : {std::tuple("1", true, false), std::tuple("0", true, true),
                                                  std::tuple("2", true, true), std::tuple("1", false, true)}) {
        FakeClient client;
        client.fake.tray.available = tray;
        MainWindow& main = start(client, settingsFile("0", minimize));
        client.fake.clock.runPosted();
        EXPECT_EQ(main.isVisible(), visible) << minimize << tray;
    }
}

TEST_F(StartupTest, MinimisingHidesTheWindowOnlyWhenTheTrayCanShowItAgain)
{
    MainWindow& main = start(*this);
    for (const bool tray : {true, false}) {
        fake.tray.available = tray;
        main.setWindowState(Qt::WindowMinimized);
        fake.clock.runPosted();
        EXPECT_EQ(main.isVisible(), !tray);
        main.showFromTray();
        EXPECT_TRUE(main.isVisible() && !main.isMinimized());
    }
}

TEST_F(StartupTest, AFixedAddressFromTheFileIsShownNeverLookedUpAndSavedBack)
{
    MainWindow& main = start(*this, settingsFile("1"));
    EXPECT_EQ(labelText("addressLabel"), "1.2.3.4");
    EXPECT_EQ(fake.tray.lastTip(), "Veltaro [1.2.3.4]");
    EXPECT_TRUE(fake.messageBoxes.shown().empty());
    // Only the user's own check says that a fixed address is not looked up.
    main.checkAddress();
    ASSERT_EQ(fake.messageBoxes.shown().size(), 1u);
    EXPECT_EQ(fake.messageBoxes.shown()[0].title, "Static Address");
    EXPECT_EQ(fake.sockets.count(), 0);

    main.quit();
    EXPECT_EQ(fake.files.contents.value(ConfigFile::path(fake.platform)).split('\n').value(2), "1\r");
}

TEST_F(StartupTest, AnExitRemovesTheTrayIconAndAFailedSaveIsShownInABoxOrOnStandardErrorForASignal)
{
    MainWindow& main = start(*this);
    fake.files.failWritesWith = QStringLiteral("Read-only file system");
    main.close();
    EXPECT_FALSE(fake.tray.visible);
    ASSERT_EQ(fake.messageBoxes.shown().size(), 1u);
    EXPECT_TRUE(fake.messageBoxes.shown()[0].text.contains("Read-only file system"));
    EXPECT_EQ(fake.app.quitCalls, 0) << "the box is read first";
    main.exitWithoutAsking();
    EXPECT_EQ(fake.app.quitCalls, 1) << "a signal does not wait for the box";

    FakeClient other;
    MainWindow& otherMain = start(other);
    other.fake.files.failWritesWith = QStringLiteral("Read-only file system");
    otherMain.exitWithoutAsking();
    EXPECT_TRUE(other.fake.messageBoxes.shown().empty());
    ASSERT_EQ(other.fake.app.errorLines.size(), 1);
    EXPECT_TRUE(other.fake.app.errorLines[0].contains(ConfigFile::path(fake.platform)));
    EXPECT_TRUE(other.fake.app.errorLines[0].contains("Read-only file system"));
    EXPECT_EQ(other.fake.app.quitCalls, 1);
}

} // namespace
