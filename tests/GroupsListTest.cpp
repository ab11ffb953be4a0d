#include "TestSupport.h"
#include "protocol/Lumeris_Commands.h"

#include <QListWidget>
#include <QPushButton>

namespace {

class GroupsListTest : public ClientTest
{
protected:
    void receiveHostList(const QString& entries)
    {
        state.hostsRequestPending = true;
        Lumeris_Commands::processHostsReply(state, fake.platform, QStringLiteral("GETHOSTS:") + entries);
    }

    QListWidgetItem* item(const QString& name)
    {
        return state.frmMain->findChild<QListWidget*>(QStringLiteral("lstGroups"))
            ->findItems(name, Qt::MatchExactly)[0];
    }
    // The user clicks the check box of the named group.
    void setChecked(const QString& name, bool checked)
    {
        item(name)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
    bool isChecked(const QString& name) { return item(name)->checkState() == Qt::Checked; }
};

} // namespace

TEST_F(GroupsListTest, CheckingUncheckingAndCheckingAgainLeavesOneEntryAtTheEnd)
{
    state.checkedGroups = QStringLiteral("HOME:OLD:");
    receiveHostList(QStringLiteral("GHOME:GOFFICE:"));

    setChecked(QStringLiteral("HOME"), false);
    EXPECT_EQ(state.checkedGroups, "OLD:");
    setChecked(QStringLiteral("OFFICE"), true);
    setChecked(QStringLiteral("HOME"), true);
    setChecked(QStringLiteral("HOME"), false);
    setChecked(QStringLiteral("HOME"), true);
    EXPECT_EQ(state.checkedGroups, "OLD:OFFICE:HOME:");

    // Unchecking a group that is not listed changes nothing.
    state.checkedGroups = QStringLiteral("OFFICE:");
    setChecked(QStringLiteral("HOME"), false);
    EXPECT_EQ(state.checkedGroups, "OFFICE:");

    // Changes are ignored while the list is not ready.
    state.groupListReady = false;
    setChecked(QStringLiteral("HOME"), true);
    EXPECT_EQ(state.checkedGroups, "OFFICE:");
}

TEST_F(GroupsListTest, GroupWhoseNameEndsAnotherKeepsItsOwnEntry)
{
    state.checkedGroups = QStringLiteral("AB:");
    receiveHostList(QStringLiteral("GB:GAB:"));
    EXPECT_FALSE(isChecked(QStringLiteral("B")));
    EXPECT_TRUE(isChecked(QStringLiteral("AB")));

    setChecked(QStringLiteral("B"), true);
    EXPECT_EQ(state.checkedGroups, "AB:B:");
    setChecked(QStringLiteral("B"), false);
    EXPECT_EQ(state.checkedGroups, "AB:");

    // A refresh restores the boxes from the same whole entries.
    setChecked(QStringLiteral("B"), true);
    setChecked(QStringLiteral("AB"), false);
    receiveHostList(QStringLiteral("GB:GAB:"));
    EXPECT_TRUE(isChecked(QStringLiteral("B")));
    EXPECT_FALSE(isChecked(QStringLiteral("AB")));
}

TEST_F(GroupsListTest, SelectingAGroupShowsItsNameAndHosts)
{
    receiveHostList(QStringLiteral("GHOME:HPC1:HPC2:GEMPTY:GOFFICE:HSERVER:"));
    auto* groups = state.frmMain->findChild<QListWidget*>(QStringLiteral("lstGroups"));
    auto* hosts = state.frmMain->findChild<QListWidget*>(QStringLiteral("lstHosts"));
    auto* shown = state.frmMain->findChild<QLabel*>(QStringLiteral("lblGroup"));

    groups->setCurrentRow(2);
    EXPECT_EQ(shown->text(), "OFFICE");
    ASSERT_EQ(hosts->count(), 1);
    EXPECT_EQ(hosts->item(0)->text(), "SERVER");
    for (int row : {1, -1}) {
        groups->setCurrentRow(row);
        EXPECT_EQ(shown->text(), row == 1 ? "EMPTY" : "");
        EXPECT_EQ(hosts->count(), 0);
    }
}

TEST_F(GroupsListTest, ViewHostsButtonWidensAndNarrowsTheWindow)
{
    auto* button = state.frmMain->findChild<QPushButton*>(QStringLiteral("cmdViewHosts"));
    state.frmMain->cmdViewHosts_Click();
    EXPECT_TRUE(state.hostsPanelShown);
    EXPECT_EQ(state.frmMain->outerWidthTwips(), 9585);
    EXPECT_EQ(button->text(), "<< Hide Hosts");

    state.frmMain->cmdViewHosts_Click();
    EXPECT_FALSE(state.hostsPanelShown);
    EXPECT_EQ(state.frmMain->outerWidthTwips(), 4905);
    EXPECT_EQ(button->text(), "View Hosts in Group >>");
}
