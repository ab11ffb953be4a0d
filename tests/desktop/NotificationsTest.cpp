#include "desktop/history/HistoryWindow.h"
#include "desktop/main/TrayNotices.h"
#include "support/TestSupport.h"

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
    const std::tuple<ClientEvent, bool, std::optional<QString>> steps[] = {
        {event(Kind::GroupFailed, "HOME", "refused"), true, "Update of HOME failed: refused"},
        {event(Kind::Failure, "", "time-out"), true, std::nullopt},
        // HOME still fails: OFFICE's success ends nothing.
        {event(Kind::GroupUpdated, "OFFICE"), true, std::nullopt},
        {event(Kind::GroupUpdated, "HOME"), true, "Updates succeed again."},
        // Seen in the window, a failure is not told again from the tray.
        {event(Kind::GroupFailed, "OFFICE", "refused"), false, std::nullopt},
    };
    for (const auto& [happened, hidden, notice] : steps)
        EXPECT_EQ(notices.noticeFor(happened, hidden, 2), notice) << happened.group.toStdString();
    // OFFICE, failing still, is unchecked: only the groups checked now count.
    EXPECT_EQ(notices.picture(), TrayIcon::Picture::Failed);
    notices.setCheckedGroups({"HOME"});
    EXPECT_EQ(notices.picture(), TrayIcon::Picture::Normal);
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

TEST_F(NotificationsTest, TheHistoryWindowShowsNewestFirstWithFailuresInRed)
{
    startHiddenWithOfficeFailing();
    trigger("historyAction");
    auto* window = main().findChild<HistoryWindow*>();
    ASSERT_TRUE(window != nullptr && window->isVisible());
    QTreeWidget* rows = window->findChild<QTreeWidget*>();
    ASSERT_EQ(rows->topLevelItemCount(), 3);
    EXPECT_EQ(rows->topLevelItem(0)->text(1) + rows->topLevelItem(2)->text(3), "OFFICEProgram started");
    EXPECT_EQ(rows->topLevelItem(0)->foreground(3).color(), QColor(Qt::red));
    EXPECT_NE(rows->topLevelItem(2)->foreground(3).color(), QColor(Qt::red));
}
