#include "support/TestSupport.h"

#include "core/client/UpdateClient.h"
#include "core/protocol/Requests.h"
#include "core/settings/ConfigFile.h"
#include "desktop/main/MainWindow.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

namespace {
QStringList settings(const QString& fixed = "0", const QString& minimize = "0", const QString& autoUpdate = "1")
{
    return {"#", scrambledLine("alice"), fixed, "1.2.3.4", scrambledLine("pw"), "15", "", minimize, autoUpdate};
}

// Starts the program over a settings file of `lines`, or over no file at all.
MainWindow& start(FakeClient& client, const std::optional<QStringList>& lines = settings())
{
    if (lines)
        client.fake.files.contents.insert(ConfigFile::path(client.fake.platform), configFile(*lines));
    client.state.mainWindow->start();
    return *client.state.mainWindow;
}

bool checked(FakeClient& client, const char* action)
{
    return client.mainControl<QAction>(action)->isChecked();
}
} // namespace

using StartupTest = ClientTest;

TEST_F(StartupTest, WithAnAccountTheIpCheckGoesOutWhatAnEarlierRunLeftIsClearedAndACutLineIsSaid)
{
    state.upgradeOffered = state.hostsRequestPending = state.ipCheckRequested = state.hostsPanelShown = true;
    QStringList lines = settings();
    lines[6] = QString(ConfigFile::kLongestLine + 1, u'S');
    MainWindow& main = start(*this, lines);
    EXPECT_FALSE(state.upgradeOffered || state.hostsRequestPending || state.ipCheckRequested || state.hostsPanelShown);
    EXPECT_EQ(state.pendingCommand, Requests::myIPTag);
    EXPECT_EQ(labelText("userNameLabel"), QStringLiteral("ALICE"));
    EXPECT_FALSE(mainControl<QPushButton>("viewHostsButton")->isEnabled());
    EXPECT_TRUE(main.isVisible());
    // Over the IP check's own text.
    EXPECT_TRUE(statusBar().contains(QStringLiteral("cut"))) << statusBar().toStdString();
}

TEST(StartupSettings, OnlyAutoUpdateOneChecksEnableAndOnlyMinimiseOneWithATrayHides)
{
    for (const QString value : {"1", "-1", "2", "0"}) {
        FakeClient client;
        start(client, settings("0", "0", value));
        const bool on = value == "1";
        EXPECT_EQ(checked(client, "enableUpdatesAction") && checked(client, "trayEnableUpdatesAction"), on)
            << value.toStdString();
        EXPECT_EQ(checked(client, "disableUpdatesAction") && checked(client, "trayDisableUpdatesAction"), !on);
        client.fake.clock.advance(60000);
        EXPECT_EQ(client.fake.clock.firings(QStringLiteral("minute")), on ? 1 : 0);
    }
    for (const auto& [minimize, trayAvailable, visible] : {std::tuple("1", true, false), std::tuple("0", true, true),
                                                           std::tuple("2", true, true), std::tuple("1", false, true)}) {
        FakeClient client;
        client.fake.tray.available = trayAvailable;
        MainWindow& main = start(client, settings("0", minimize));
        client.fake.clock.runPosted();
        EXPECT_EQ(main.isVisible(), visible) << minimize << trayAvailable;
    }
}

TEST_F(StartupTest, MinimisingHidesTheWindowOnlyWhenTheTrayCanShowItAgain)
{
    MainWindow& main = start(*this);
    main.setWindowState(Qt::WindowMinimized);
    fake.clock.runPosted();
    EXPECT_FALSE(main.isVisible());
    main.showFromTray();
    EXPECT_TRUE(main.isVisible() && !main.isMinimized());

    fake.tray.available = false;
    main.setWindowState(Qt::WindowMinimized);
    fake.clock.runPosted();
    EXPECT_TRUE(main.isVisible());
}

TEST_F(StartupTest, AFixedAddressFromTheFileIsKeptShownNeverLookedUpAndSavedBack)
{
    MainWindow& main = start(*this, settings("1"));
    EXPECT_TRUE(state.useStaticIP);
    EXPECT_NE(state.pendingCommand, Requests::myIPTag);
    EXPECT_TRUE(fake.messageBoxes.shown().empty());
    EXPECT_EQ(labelText("addressLabel"), QStringLiteral("1.2.3.4"));
    EXPECT_EQ(fake.tray.lastTip(), QStringLiteral("Veltaro [1.2.3.4]"));
    // Only the user's own check says that a fixed address is not looked up.
    main.checkAddress();
    ASSERT_EQ(fake.messageBoxes.shown().size(), 1u);
    EXPECT_EQ(fake.messageBoxes.shown()[0].title, QStringLiteral("Static Address"));
    EXPECT_EQ(fake.sockets.count(), 0);

    main.quit();
    EXPECT_EQ(fake.files.contents.value(ConfigFile::path(fake.platform)).split('\n').value(2), "1\r");
}

TEST_F(StartupTest, ClosingTheWindowRemovesTheTrayIconThenSavesAndQuitsOnceAFailedSaveIsReadOrOnASignal)
{
    MainWindow& main = start(*this);
    ASSERT_TRUE(fake.tray.visible);
    fake.files.failWritesWith = QStringLiteral("Read-only file system");
    main.close();
    EXPECT_FALSE(fake.tray.visible);
    ASSERT_EQ(fake.messageBoxes.shown().size(), 1u);
    EXPECT_TRUE(fake.messageBoxes.shown()[0].text.contains(QStringLiteral("Read-only file system")));
    EXPECT_EQ(fake.app.quitCalls, 0) << "the box is read first";
    main.exitWithoutAsking();
    EXPECT_EQ(fake.app.quitCalls, 1) << "a signal does not wait for the box";
    fake.messageBoxes.answer();
    EXPECT_EQ(fake.app.quitCalls, 2);
}

TEST_F(StartupTest, ASignalExitWritesAFailedSaveToStandardErrorInsteadOfABox)
{
    MainWindow& main = start(*this);
    fake.files.failWritesWith = QStringLiteral("Read-only file system");
    main.exitWithoutAsking();
    EXPECT_TRUE(fake.messageBoxes.shown().empty());
    ASSERT_EQ(fake.app.errorLines.size(), 1);
    EXPECT_TRUE(fake.app.errorLines[0].contains(ConfigFile::path(fake.platform)));
    EXPECT_TRUE(fake.app.errorLines[0].contains(QStringLiteral("Read-only file system")));
    EXPECT_EQ(fake.app.quitCalls, 1);
}
