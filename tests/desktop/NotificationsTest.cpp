#include "desktop/history/HistoryWindow.h"
#include "desktop/main/TrayNotices.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QClipboard>
#include <QPushButton>
#include <QTreeWidget>

namespace {

ClientEvent event(ClientEvent::Kind kind, const char* group, const char* reason = "")
{
    return {kind, QLatin1String(group), QStringLiteral("1.2.3.4"), QLatin1String(reason)};
}

} // namespace

TEST(TrayNotices, OneNoticeARunOfFailuresAnotherWhenEveryCheckedGroupSucceedsAgainAndNoneWhileShown)
{
    using Kind = ClientEvent::Kind;
    TrayNotices notices;
    notices.setCheckedGroups({"HOME", "OFFICE"});
    const std::tuple<ClientEvent, bool, std::optional<QString>, TrayIcon::Picture> steps[] = {
        {event(Kind::GroupFailed, "HOME", "refused"), true, "Update of HOME failed: refused",
         TrayIcon::Picture::Failed},
        {event(Kind::GroupFailed, "HOME", "refused"), true, std::nullopt, TrayIcon::Picture::Failed},
        {event(Kind::Failure, "", "time-out"), true, std::nullopt, TrayIcon::Picture::Failed},
        // HOME still fails: OFFICE's success ends nothing.
        {event(Kind::GroupUpdated, "OFFICE"), true, std::nullopt, TrayIcon::Picture::Failed},
        {event(Kind::GroupUpdated, "HOME"), true, "Updates succeed again.", TrayIcon::Picture::Normal},
        // Seen in the window, a failure is not told again from the tray.
        {event(Kind::GroupFailed, "OFFICE", "refused"), false, std::nullopt, TrayIcon::Picture::Failed},
    };
    for (const auto& [happened, hidden, notice, picture] : steps) {
        EXPECT_EQ(notices.noticeFor(happened, hidden, 2), notice) << happened.group.toStdString();
        EXPECT_EQ(notices.picture(), picture) << happened.group.toStdString();
    }
    // OFFICE, failing still, is unchecked: only the groups checked now count.
    notices.setCheckedGroups({"HOME"});
    EXPECT_EQ(notices.picture(), TrayIcon::Picture::Normal);
    EXPECT_EQ(notices.noticeFor({Kind::NewAddress, {}, "5.6.7.8", {}}, true, 1),
              "Your address changed to 5.6.7.8; updating 1 group.");
}

class NotificationsTest : public SignedInTest
{
protected:
    void startHiddenWithOfficeFailing()
    {
        settings.checkedGroups = QStringLiteral("OFFICE:");
        settings.minimizeOnStartup = 1;
        server.failingGroups = {QStringLiteral("OFFICE")};
        main().start();
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
    main().updateCheckedGroups();
    server.run(1000);
    EXPECT_EQ(fake.tray.messages.size(), 2u);
    EXPECT_EQ(fake.tray.picture, TrayIcon::Picture::Normal);

    DesktopWindows later(fake.platform);
    later.mainWindow().start();
    EXPECT_FALSE(later.mainWindow().findChild<QAction*>("notificationsAction")->isChecked());
}

TEST_F(NotificationsTest, TheHistoryWindowShowsNewestFirstWithFailuresInRedAndCopiesTheSelectedRows)
{
    startHiddenWithOfficeFailing();
    trigger("historyAction");
    auto* window = main().findChild<HistoryWindow*>();
    ASSERT_TRUE(window != nullptr && window->isVisible());
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
