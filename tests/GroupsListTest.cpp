#include "platform/fake/FakePlatform.h"
#include "protocol/Lumeris_Commands.h"
#include "state/ClientState.h"
#include "ui/Windows.h"
#include "ui/main/frmMain.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class GroupsListTest : public ::testing::Test
{
protected:
    GroupsListTest()
    {
        installWindowFactories(state, fake.platform);
        main = state.frmMain.get();
        groups = main->findChild<QListWidget*>(QStringLiteral("lstGroups"));
        hosts = main->findChild<QListWidget*>(QStringLiteral("lstHosts"));
    }

    void receiveHostList(const QString& entries)
    {
        state.hostsRequestPending = true;
        Lumeris_Commands::processHostsReply(state, fake.platform, QStringLiteral("GETHOSTS:") + entries);
    }

    // The user clicks the check box of the named group.
    void setChecked(const QString& name, bool checked)
    {
        const QList<QListWidgetItem*> found = groups->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        found.front()->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }

    bool isChecked(const QString& name)
    {
        return groups->findItems(name, Qt::MatchExactly).front()->checkState() == Qt::Checked;
    }

    QString shownGroup() { return main->findChild<QLabel*>(QStringLiteral("lblGroup"))->text(); }

    QStringList hostNames()
    {
        QStringList result;
        for (int i = 0; i < hosts->count(); ++i)
            result.append(hosts->item(i)->text());
        return result;
    }

    FakePlatform fake;
    ClientState state;
    frmMain* main = nullptr;
    QListWidget* groups = nullptr;
    QListWidget* hosts = nullptr;
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
}

TEST_F(GroupsListTest, UncheckingAGroupThatIsNotListedChangesNothing)
{
    state.checkedGroups = QStringLiteral("OFFICE:");
    receiveHostList(QStringLiteral("GHOME:GOFFICE:"));
    setChecked(QStringLiteral("HOME"), true);
    state.checkedGroups = QStringLiteral("OFFICE:");

    setChecked(QStringLiteral("HOME"), false);

    EXPECT_EQ(state.checkedGroups, "OFFICE:");
}

TEST_F(GroupsListTest, ChangesAreIgnoredWhileTheListIsNotReady)
{
    receiveHostList(QStringLiteral("GHOME:"));
    state.groupListReady = false;

    setChecked(QStringLiteral("HOME"), true);

    EXPECT_EQ(state.checkedGroups, "");
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

    groups->setCurrentRow(2);
    EXPECT_EQ(shownGroup(), "OFFICE");
    EXPECT_EQ(hostNames(), QStringList({"SERVER"}));

    groups->setCurrentRow(1);
    EXPECT_EQ(shownGroup(), "EMPTY");
    EXPECT_TRUE(hostNames().isEmpty());

    groups->setCurrentRow(-1);
    EXPECT_EQ(shownGroup(), "");
    EXPECT_TRUE(hostNames().isEmpty());
}

TEST_F(GroupsListTest, ViewHostsButtonWidensAndNarrowsTheWindow)
{
    main->cmdViewHosts_Click();
    EXPECT_TRUE(state.hostsPanelShown);
    EXPECT_EQ(main->outerWidthTwips(), 9585);
    EXPECT_EQ(main->findChild<QPushButton*>(QStringLiteral("cmdViewHosts"))->text(), "<< Hide Hosts");

    main->cmdViewHosts_Click();
    EXPECT_FALSE(state.hostsPanelShown);
    EXPECT_EQ(main->outerWidthTwips(), 4905);
    EXPECT_EQ(main->findChild<QPushButton*>(QStringLiteral("cmdViewHosts"))->text(), "View Hosts in Group >>");
}
