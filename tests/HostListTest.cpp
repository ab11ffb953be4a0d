#include "core/protocol/Lumeris_Commands.h"
#include "support/TestSupport.h"

#include <QPushButton>

namespace {

class HostListTest : public SignedInTest
{
protected:
    // Hands a reply to the processor as if it answered a request just made.
    void answer(const QString& reply)
    {
        state.hostsRequestPending = true;
        Lumeris_Commands::processHostsReply(state, fake.platform, reply);
    }

    QListWidget* groups() { return mainControl<QListWidget>("groupsList"); }
    QStringList groupNames() { return lineTexts(groups()); }
    QStringList checkedNames() { return lineTexts(groups(), true); }
    QStringList hostNames() { return lineTexts(mainControl<QListWidget>("hostsList")); }
    QPushButton* viewHostsButton() { return mainControl<QPushButton>("viewHostsButton"); }

    // The user clicks the check box of the named group.
    void setChecked(const QString& name, bool checked)
    {
        const QList<QListWidgetItem*> items = groups()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        items[0]->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
};

} // namespace

TEST_F(HostListTest, RequestCarriesTheAccountAndItsReplyFillsTheListsAndRestoresTheCheckBoxes)
{
    server.hostsReply = QStringLiteral("GETHOSTS:GHOME:HPC1:HPC2:GOFFICE:HSERVER:");
    state.checkedGroups = QStringLiteral("OFFICE:");
    Lumeris_Commands::requestHosts(state, fake.platform);
    server.answerAll();

    ASSERT_EQ(server.requests.size(), 1u);
    EXPECT_EQ(server.requests[0].text, "GETHOSTS:ALICE:PW:");
    EXPECT_EQ(groupNames(), QStringList({"HOME", "OFFICE"}));
    EXPECT_EQ(checkedNames(), QStringList({"OFFICE"}));
    EXPECT_EQ(state.groupCount, 2);
    EXPECT_EQ(state.groupHosts[1], "SERVER:");
    EXPECT_EQ(labelText("groupLabel"), "HOME");
    EXPECT_EQ(hostNames(), QStringList({"PC1", "PC2"}));
    EXPECT_EQ(statusBar(), " List refreshed");
    EXPECT_EQ(state.checkedGroups, "OFFICE:");
}

TEST_F(HostListTest, ParsingStopsAtAnEmptyEntryDropsStrayEntriesAndLaterPiecesAndRestoresWholeChecks)
{
    const struct
    {
        const char* reply;
        QStringList groups;
        QStringList hosts;
    } cases[] = {
        {"GETHOSTS:GA:HX::GB:HY:", {"A"}, {"X:"}},
        {"GETHOSTS:HLOST:GA:ZODD:HX:GB:HY:TRAILING", {"A", "B"}, {"X:", "Y:"}},
    };
    for (const auto& c : cases) {
        answer(QLatin1String(c.reply));
        EXPECT_EQ(groupNames(), c.groups) << c.reply;
        EXPECT_EQ(state.groupCount, c.groups.size()) << c.reply;
        for (int i = 0; i < c.hosts.size(); ++i)
            EXPECT_EQ(state.groupHosts[i], c.hosts[i]) << c.reply;
    }

    // Only the first piece that parses counts.
    answer(QStringLiteral("GETHOSTS:GHOME:HPC1:"));
    Lumeris_Commands::processHostsReply(state, fake.platform, QStringLiteral("GOTHER:HZ:"));
    EXPECT_EQ(groupNames(), QStringList({"HOME"}));
    EXPECT_EQ(state.groupHosts[0], "PC1:");

    // A short reply empties the groups but keeps the old hosts of group zero.
    answer(QStringLiteral("GETH"));
    EXPECT_TRUE(groupNames().isEmpty());
    EXPECT_EQ(state.groupCount, 0);
    EXPECT_FALSE(state.groupListReady);
    EXPECT_EQ(hostNames(), QStringList({"PC1"}));
    EXPECT_EQ(labelText("groupLabel"), "");

    // Checks are restored for whole upper-case entries; text after the last ":" is no entry. µ and ÿ
    // stay as they are, since their upper cases do not fit the settings file.
    state.checkedGroups = QStringLiteral("MYHOME:B:µNET:ÿ:X");
    answer(QStringLiteral("GETHOSTS:Gb:GHOME:GMYHOME:GAB:GX:Gµnet:Gÿ:"));
    EXPECT_EQ(checkedNames(), QStringList({"b", "MYHOME", "µnet", "ÿ"}));
}

TEST_F(HostListTest, RefusedAccountEmptiesTheListsClosesThePanelAndSaysSo)
{
    answer(QStringLiteral("GETHOSTS:GHOME:HPC1:GOFFICE:"));
    viewHostsButton()->click();
    EXPECT_EQ(state.mainWindow->outerWidthTwips(), 9585);
    EXPECT_EQ(viewHostsButton()->text(), "<< Hide Hosts");
    answer(QStringLiteral("ERROR:INVALIDUSER:"));

    EXPECT_TRUE(groupNames().isEmpty());
    EXPECT_TRUE(hostNames().isEmpty());
    EXPECT_FALSE(state.hostsPanelShown);
    EXPECT_EQ(state.mainWindow->outerWidthTwips(), 4905);
    EXPECT_EQ(viewHostsButton()->text(), "View Hosts in Group >>");
    EXPECT_FALSE(viewHostsButton()->isEnabled());
    EXPECT_EQ(statusBar(), " The user name or password was not accepted");
    EXPECT_FALSE(state.groupListReady);

    // A list that comes in again opens the way to the panel again.
    answer(QStringLiteral("GETHOSTS:GHOME:"));
    EXPECT_TRUE(viewHostsButton()->isEnabled());
}

TEST_F(HostListTest, GroupPastTheListEndIsShownWithoutItsHosts)
{
    QString reply = QStringLiteral("GETHOSTS:");
    for (int i = 0; i <= kListUpperBound + 1; ++i)
        reply += QStringLiteral("G%1:H%1:").arg(i);
    answer(reply);

    EXPECT_EQ(state.groupCount, kListUpperBound + 2);
    EXPECT_EQ(groups()->count(), kListUpperBound + 2);
    EXPECT_EQ(state.groupHosts[kListUpperBound], "32000:");
    groups()->setCurrentRow(kListUpperBound + 1);
    EXPECT_EQ(labelText("groupLabel"), "32001");
    EXPECT_TRUE(hostNames().isEmpty());
}

TEST_F(HostListTest, EachCheckChangeEditsTheCheckedGroupsOnceTheListIsReady)
{
    state.checkedGroups = QStringLiteral("HOME:OLD:");
    answer(QStringLiteral("GETHOSTS:GHOME:GOFFICE:"));
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

TEST_F(HostListTest, SelectingAGroupShowsItsNameAndHosts)
{
    answer(QStringLiteral("GETHOSTS:GHOME:HPC1:HPC2:GEMPTY:GOFFICE:HSERVER:"));
    const std::tuple<int, const char*, QStringList> rows[] = {
        {2, "OFFICE", {"SERVER"}}, {1, "EMPTY", {}}, {0, "HOME", {"PC1", "PC2"}}, {-1, "", {}}};
    for (const auto& [row, group, hosts] : rows) {
        groups()->setCurrentRow(row);
        EXPECT_EQ(labelText("groupLabel"), group) << row;
        EXPECT_EQ(hostNames(), hosts) << row;
    }

    // The hosts end at an empty entry.
    state.groupHosts[1] = QStringLiteral("WWW:MAIL::LOST:");
    groups()->setCurrentRow(1);
    EXPECT_EQ(hostNames(), QStringList({"WWW", "MAIL"}));
}
