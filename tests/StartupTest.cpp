#include "TestSupport.h"

#include "platform/Timers.h"
#include "protocol/Lumeris_Commands.h"
#include "state/ConfigFile.h"
#include "ui/main/frmMain.h"

#include <QLabel>
#include <QPushButton>
#include <QtEndian>

namespace {
QStringList settings(const QString& fixed = "0", const QString& minimize = "0", const QString& autoUpdate = "1")
{
    return {"#", scrambledLine("alice"), fixed, "1.2.3.4", scrambledLine("pw"), "15", "", minimize, autoUpdate};
}

// Starts the program over a settings file of `lines`, or over no file at all.
frmMain& start(FakeClient& client, const std::optional<QStringList>& lines = settings())
{
    if (lines)
        client.fake.files.contents.insert(Common_Functions::configPath(client.fake.platform), configFile(*lines));
    client.state.frmMain->Form_Load();
    return *client.state.frmMain;
}
} // namespace

using StartupTest = ClientTest;

TEST_F(StartupTest, WithAnAccountTheIpCheckGoesOutAndWhatAnEarlierRunLeftIsCleared)
{
    state.upgradeOffered = state.hostsRequestPending = state.ipCheckRequested = state.hostsPanelShown = true;
    frmMain& main = start(*this);
    EXPECT_FALSE(state.upgradeOffered || state.hostsRequestPending || state.ipCheckRequested || state.hostsPanelShown);
    EXPECT_EQ(state.pendingCommand, Lumeris_Commands::getMyIPCMD);
    EXPECT_EQ(main.lblUsername->text(), QStringLiteral("ALICE"));
    EXPECT_FALSE(main.cmdViewHosts->isEnabled());
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(main.minuteCounter, 1);
}

TEST(StartupSettings, OnlyAutoUpdateOneChecksEnableAndOnlyMinimiseOneWithATrayHides)
{
    for (const QString value : {"1", "-1", "2", "0"}) {
        FakeClient client;
        frmMain& main = start(client, settings("0", "0", value));
        const bool on = value == "1";
        EXPECT_EQ(main.enableUpdates->isChecked() && main.enableUpdatesTRAY->isChecked(), on) << value.toStdString();
        EXPECT_EQ(main.disableUpdates->isChecked() && main.disableUpdatesTRAY->isChecked(), !on);
        EXPECT_EQ(main.processTimer->isEnabled(10), on);
    }
    for (const auto& [minimize, trayAvailable, visible] : {std::tuple("1", true, false), std::tuple("0", true, true),
                                                           std::tuple("2", true, true), std::tuple("1", false, true)}) {
        FakeClient client;
        client.fake.tray.available = trayAvailable;
        frmMain& main = start(client, settings("0", minimize));
        client.fake.clock.runPosted();
        EXPECT_EQ(main.isVisible(), visible) << minimize << trayAvailable;
    }
}

TEST_F(StartupTest, MinimisingHidesTheWindowOnlyWhenTheTrayCanShowItAgain)
{
    frmMain& main = start(*this);
    main.setWindowState(Qt::WindowMinimized);
    fake.clock.runPosted();
    EXPECT_FALSE(main.isVisible());
    main.ShowForm_Click();
    EXPECT_TRUE(main.isVisible() && !main.isMinimized());

    fake.tray.available = false;
    main.setWindowState(Qt::WindowMinimized);
    fake.clock.runPosted();
    EXPECT_TRUE(main.isVisible());
}

TEST_F(StartupTest, AFixedAddressFromTheFileIsKeptShownAndSavedBack)
{
    frmMain& main = start(*this, settings("1"));
    EXPECT_TRUE(state.useStaticIP);
    EXPECT_NE(state.pendingCommand, Lumeris_Commands::getMyIPCMD);
    EXPECT_TRUE(fake.messageBoxes.shown().empty());
    EXPECT_EQ(main.lblCurrentIP->text(), QStringLiteral("1.2.3.4"));
    EXPECT_EQ(fake.tray.lastTip(), QStringLiteral("Veltaro [1.2.3.4]"));

    main.Exit_Click();
    EXPECT_EQ(fake.files.contents.value(Common_Functions::configPath(fake.platform)).split('\n').value(2), "1\r");
}

TEST_F(StartupTest, ClosingTheWindowRemovesTheTrayIconThenSavesAndQuitsOnceAFailedSaveIsReadOrOnASignal)
{
    frmMain& main = start(*this);
    fake.files.failWritesWith = QStringLiteral("Read-only file system");
    main.close();
    EXPECT_EQ(fake.tray.calls.back().message, TrayIcon::Delete);
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
    frmMain& main = start(*this);
    fake.files.failWritesWith = QStringLiteral("Read-only file system");
    main.exitWithoutAsking();
    EXPECT_TRUE(fake.messageBoxes.shown().empty());
    ASSERT_EQ(fake.app.errorLines.size(), 1);
    EXPECT_TRUE(fake.app.errorLines[0].contains(Common_Functions::configPath(fake.platform)));
    EXPECT_TRUE(fake.app.errorLines[0].contains(QStringLiteral("Read-only file system")));
    EXPECT_EQ(fake.app.quitCalls, 1);
}

TEST_F(StartupTest, AnOverlongSettingsLineIsCutAndTheStatusLineSaysSo)
{
    QStringList lines = settings();
    lines[1] = QString(Common_Functions::kLongestConfigLine + 1, u'S');
    start(*this, lines);
    EXPECT_TRUE(statusBar().contains(QStringLiteral("cut"))) << statusBar().toStdString();
}

// Waiting on a busy exchange is in UpdateCycleTest; reopening element 1 must not schedule the update again.
TEST_F(StartupTest, ElementOneSchedulesTheFirstUpdateOnlyOnce)
{
    frmMain& main = start(*this);
    TimerFamily& timer = *main.processTimer;
    state.exchangeBusy = false; // the IP check is over
    main.processTimer_Timer(1);
    EXPECT_FALSE(timer.isEnabled(1));
    EXPECT_TRUE(timer.isEnabled(20) && timer.interval(20) == 1000);

    timer.setEnabled(20, false); // as after the first update
    main.UnloadPreferences();
    EXPECT_TRUE(timer.isEnabled(1) && timer.interval(1) == 1000);
    state.exchangeBusy = false;
    main.processTimer_Timer(1);
    EXPECT_FALSE(timer.isEnabled(1) || timer.isEnabled(20));
}

TEST_F(StartupTest, TrayRecordIsTheEightyEightByteFormWhoseTipShowsTheAddress)
{
    frmMain& main = start(*this);
    ASSERT_GE(fake.tray.calls.size(), 2u);
    EXPECT_EQ(fake.tray.calls[0].message, TrayIcon::Add);
    EXPECT_TRUE(fake.tray.calls[0].record.mid(24).startsWith('\0')); // empty tip until modified
    EXPECT_EQ(fake.tray.calls[1].message, TrayIcon::Modify);

    const QByteArray record = fake.tray.calls[1].record;
    ASSERT_EQ(record.size(), 88);
    const quint32 fields[] = {88, quint32(main.winId()), 1, 7, 0x200};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(qFromLittleEndian<quint32>(record.constData() + 4 * i), fields[i]) << i;
    EXPECT_EQ(record.mid(24), QByteArray("Veltaro [1.2.3.4]\0", 18).leftJustified(64, ' '));
    EXPECT_EQ(SysTray::makeTip("Veltaro", ""), QByteArray("Veltaro []\0", 11).leftJustified(64, ' '));
    EXPECT_EQ(SysTray::makeTip("Veltaro", QString(70, u'9')), ("Veltaro [" + QByteArray(70, '9')).left(64));
}
