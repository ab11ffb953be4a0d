#include "TestSupport.h"
#include "protocol/Lumeris_Commands.h"

#include <QPushButton>

namespace {

class GroupsListTest : public ClientTest
{
protected:
    GroupsListTest()
    {
        state.checkedGroups = QStringLiteral("HOME:OLD:");
        state.hostsRequestPending = true;
        Lumeris_Commands::processHostsReply(state, fake.platform,
                                            QStringLiteral("GETHOSTS:GHOME:HPC1:HPC2:GEMPTY:GOFFICE:HSERVER:"));
    }

    // The user clicks the check box of the named group.
    void setChecked(const QString& name, bool checked)
    {
        const QList<QListWidgetItem*> items = main.lstGroups->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        items[0]->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }

    frmMain& main = *state.frmMain;
};

} // namespace

TEST_F(GroupsListTest, EachCheckChangeEditsTheCheckedGroupsOnceTheListIsReady)
{
    setChecked(QStringLiteral("HOME"), false);
    EXPECT_EQ(state.checkedGroups, "OLD:");
    setChecked(QStringLiteral("OFFICE"), true);
    setChecked(QStringLiteral("HOME"), true);
    setChecked(QStringLiteral("HOME"), false);
    setChecked(QStringLiteral("HOME"), true);
    EXPECT_EQ(state.checkedGroups, "OLD:OFFICE:HOME:");

    state.groupListReady = false;
    setChecked(QStringLiteral("HOME"), false);
    EXPECT_EQ(state.checkedGroups, "OLD:OFFICE:HOME:");
}

TEST_F(GroupsListTest, SelectingAGroupShowsItsNameAndHosts)
{
    const std::tuple<int, const char*, QStringList> rows[] = {
        {2, "OFFICE", {"SERVER"}}, {1, "EMPTY", {}}, {0, "HOME", {"PC1", "PC2"}}, {-1, "", {}}};
    for (const auto& [row, group, hosts] : rows) {
        main.lstGroups->setCurrentRow(row);
        EXPECT_EQ(main.lblGroup->text(), group) << row;
        EXPECT_EQ(lineTexts(main.lstHosts), hosts) << row;
    }

    // The hosts end at an empty entry; a group past the list's end has none.
    state.groupHosts[3] = QStringLiteral("WWW:MAIL::LOST:");
    Common_Functions::showGroupHosts(state, 3);
    EXPECT_EQ(lineTexts(main.lstHosts), QStringList({"WWW", "MAIL"}));
    Common_Functions::showGroupHosts(state, kListUpperBound + 1);
    EXPECT_TRUE(lineTexts(main.lstHosts).isEmpty());
}

TEST_F(GroupsListTest, ViewHostsButtonWidensAndNarrowsTheWindow)
{
    main.cmdViewHosts_Click();
    EXPECT_TRUE(state.hostsPanelShown);
    EXPECT_EQ(main.outerWidthTwips(), 9585);
    EXPECT_EQ(main.cmdViewHosts->text(), "<< Hide Hosts");

    main.cmdViewHosts_Click();
    EXPECT_FALSE(state.hostsPanelShown);
    EXPECT_EQ(main.outerWidthTwips(), 4905);
    EXPECT_EQ(main.cmdViewHosts->text(), "View Hosts in Group >>");
}
