#include "support/TestSupport.h"

#include "core/settings/ConfigFile.h"

namespace {

QStringList settingsFile(const QString& fixed = "0", const QString& minimize = "0", const QString& autoUpdate = "1")
{
    return {"#", scrambledLine("alice"), fixed, "1.2.3.4", scrambledLine("pw"), "15", "", minimize, autoUpdate};
}

MainWindow& start(FakeClient& client, const QStringList& lines = settingsFile())
{
    client.fake.files.contents.insert(ConfigFile::path(client.fake.platform), configFile(lines));
    client.main().start();
    return client.main();
}

using StartupTest = ClientTest;

TEST(StartupSettings, OnlyAutoUpdateOneChecksEnableAndOnlyMinimiseOneWithATrayHides)
{
    for (const QString value : {"1", "-1", "2", "0"}) {
        FakeClient client;
        start(client, settingsFile("0", "0", value));
        for (const char* action : {"enableUpdatesAction", "trayEnableUpdatesAction"})
            EXPECT_EQ(client.mainControl<QAction>(action)->isChecked(), value == "1") << value.toStdString() << action;
    }
    for (const auto& [minimize, tray, visible] : {std::tuple("1", true, false), std::tuple("0", true, true),
                                                  std::tuple("2", true, true), std::tuple("1", false, true)}) {
        FakeClient client;
        client.fake.tray.available = tray;
        MainWindow& main = start(client, settingsFile("0", minimize));
        client.fake.clock.runPosted();
        EXPECT_EQ(main.isVisible(), visible) << minimize << tray;
        // Minimised, the window goes to the tray only when the tray can show it again.
        main.setWindowState(Qt::WindowMinimized);
        client.fake.clock.runPosted();
        EXPECT_EQ(main.isVisible(), !tray);
    }
}

TEST_F(StartupTest, AFixedAddressFromTheFileIsShownNeverLookedUpAndSavedBackAndACutLineIsSaid)
{
    QStringList lines = settingsFile("1");
    lines[6] = QString(ConfigFile::kLongestLine + 1, u'S');
    MainWindow& main = start(*this, lines);
    EXPECT_EQ(labelText("userNameLabel") + " " + labelText("addressLabel"), "ALICE 1.2.3.4");
    EXPECT_EQ(fake.tray.lastTip(), "Veltaro [1.2.3.4]");
    EXPECT_TRUE(statusBar().contains("cut")) << statusBar().toStdString();
    // Only the user's own check says that a fixed address is not looked up.
    EXPECT_TRUE(fake.messageBoxes.shown().empty());
    main.checkAddress();
    ASSERT_EQ(fake.messageBoxes.shown().size(), 1u);
    EXPECT_EQ(fake.messageBoxes.shown()[0].title, "Static Address");
    EXPECT_EQ(fake.sockets.count(), 0);

    main.quit();
    EXPECT_EQ(fake.files.contents.value(ConfigFile::path(fake.platform)).split('\n').value(2), "1\r");
}

TEST_F(StartupTest, AnExitRemovesTheTrayIconAndAFailedSaveIsShownInABoxOrOnStandardErrorForASignal)
{
    FakeClient other;
    for (FakeClient* client : {static_cast<FakeClient*>(this), &other}) {
        MainWindow& main = start(*client);
        client->fake.files.failWritesWith = QStringLiteral("Read-only file system");
        if (client == this) {
            main.close();
            EXPECT_EQ(client->fake.app.quitCalls, 0) << "the box is read first";
        }
        main.exitWithoutAsking();
        EXPECT_FALSE(client->fake.tray.visible);
        EXPECT_EQ(client->fake.app.quitCalls, 1) << "a signal does not wait for a box";
    }
    ASSERT_EQ(fake.messageBoxes.shown().size(), 1u);
    EXPECT_TRUE(fake.messageBoxes.shown()[0].text.contains("Read-only file system"));
    ASSERT_EQ(other.fake.app.errorLines.size(), 1);
    EXPECT_TRUE(other.fake.app.errorLines[0].contains(ConfigFile::path(fake.platform)));
    EXPECT_TRUE(other.fake.messageBoxes.shown().empty());
}

} // namespace
