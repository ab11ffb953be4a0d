#include "core/client/UpdateHistory.h"
#include "desktop/history/HistoryWindow.h"
#include "desktop/main/TrayNotices.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QClipboard>
#include <QPushButton>
#include <QTreeWidget>

namespace {

ClientEvent failed(const QString& group)
{
    return {ClientEvent::Kind::GroupFailed, group, QStringLiteral("1.2.3.4"), QStringLiteral("refused")};
}

ClientEvent updated(const QString& group)
{
    return {ClientEvent::Kind::GroupUpdated, group, QStringLiteral("1.2.3.4"), QString()};
}

} // namespace

TEST(TrayNotices, OneNoticeARunOfFailuresAnotherWhenEveryGroupSucceedsAgainAndNoneWhileShown)
{
    TrayNotices notices;
    notices.setCheckedGroups({"HOME", "OFFICE"});
    using Picture = TrayIcon::Picture;
    EXPECT_EQ(notices.noticeFor({ClientEvent::Kind::NewAddress, {}, "5.6.7.8", {}}, true, 2),
              "Your address changed to 5.6.7.8; updating 2 groups.");
    notices.updateStarted();
    EXPECT_EQ(notices.picture(), Picture::Updating);
    EXPECT_EQ(notices.noticeFor(failed("HOME"), true, 2), "Update of HOME failed: refused");
    EXPECT_EQ(notices.picture(), Picture::Failed);
    EXPECT_EQ(notices.noticeFor(failed("HOME"), true, 2), std::nullopt);
    EXPECT_EQ(notices.noticeFor({ClientEvent::Kind::Failure, {}, {}, "time-out"}, true, 2), std::nullopt);
    // HOME still fails: OFFICE's success ends nothing.
    EXPECT_EQ(notices.noticeFor(updated("OFFICE"), true, 2), std::nullopt);
    EXPECT_EQ(notices.picture(), Picture::Failed);
    EXPECT_EQ(notices.noticeFor(updated("HOME"), true, 2), "Updates succeed again.");
    EXPECT_EQ(notices.picture(), Picture::Normal);

    // Seen in the window, a failure is not told again from the tray, but the run has begun.
    EXPECT_EQ(notices.noticeFor(failed("HOME"), false, 2), std::nullopt);
    EXPECT_EQ(notices.noticeFor(failed("OFFICE"), true, 2), std::nullopt);
    notices.enabled = false;
    EXPECT_EQ(notices.noticeFor(updated("HOME"), true, 2), std::nullopt);
    EXPECT_EQ(notices.picture(), Picture::Failed);

    // OFFICE, failing still, is unchecked: only the groups checked now count.
    notices.enabled = true;
    notices.setCheckedGroups({"HOME"});
    EXPECT_EQ(notices.picture(), Picture::Normal);
    EXPECT_EQ(notices.noticeFor(updated("HOME"), true, 1), "Updates succeed again.");
}

class NotificationsTest : public SignedInTest
{
protected:
    void startHiddenWithOfficeFailing()
    {
        state.checkedGroups = QStringLiteral("OFFICE:");
        state.minimizeOnStartup = 1;
        server.failingGroups = {QStringLiteral("OFFICE")};
        state.mainWindow->start();
        server.run(3000);
    }
};

TEST_F(NotificationsTest, AHiddenWindowsFailedUpdateIsToldUnlessNotificationsAreTurnedOffForGood)
{
    startHiddenWithOfficeFailing();
    EXPECT_EQ(fake.tray.messages,
              std::vector<QString>({"Veltaro: Your address changed to 203.0.113.9; updating 1 group.",
                                    "Veltaro: Update of OFFICE failed: the group is not in this account"}));
    EXPECT_EQ(fake.tray.picture, TrayIcon::Picture::Failed);

    trigger("notificationsAction");
    server.failingGroups.clear();
    state.mainWindow->updateCheckedGroups();
    server.run(1000);
    EXPECT_EQ(fake.tray.messages.size(), 2u);
    EXPECT_EQ(fake.tray.picture, TrayIcon::Picture::Normal);

    ClientState later;
    installWindowFactories(later, fake.platform);
    later.mainWindow->start();
    EXPECT_FALSE(later.mainWindow->findChild<QAction*>("notificationsAction")->isChecked());
}

TEST_F(NotificationsTest, TheHistoryWindowShowsNewestFirstWithFailuresInRedAndCopiesTheSelectedRows)
{
    startHiddenWithOfficeFailing();
    trigger("historyAction");
    auto* window = state.mainWindow->findChild<HistoryWindow*>();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->isVisible());
    QTreeWidget* rows = window->findChild<QTreeWidget*>();
    ASSERT_EQ(rows->topLevelItemCount(), 3);
    EXPECT_EQ(rows->topLevelItem(0)->text(1), "OFFICE");
    EXPECT_EQ(rows->topLevelItem(0)->foreground(3).color(), QColor(Qt::red));
    EXPECT_EQ(rows->topLevelItem(2)->text(3), "Program started");
    EXPECT_NE(rows->topLevelItem(2)->foreground(3).color(), QColor(Qt::red));

    rows->topLevelItem(2)->setSelected(true);
    rows->topLevelItem(1)->setSelected(true);
    window->findChild<QPushButton*>("copyButton")->click();
    const QStringList copied = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(copied.size(), 2);
    EXPECT_TRUE(copied[0].endsWith("\t\t203.0.113.9\tNew address")) << copied[0].toStdString();
    EXPECT_TRUE(copied[1].endsWith("\t\t\tProgram started"));
}
