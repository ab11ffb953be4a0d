#include "core/client/UpdateClient.h"
#include "core/protocol/Requests.h"
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
        state.client->handleHostsReply(reply);
    }

    QStringList groupNames() { return lineTexts(main.lstGroups); }
    QStringList checkedNames() { return lineTexts(main.lstGroups, true); }

    // The user clicks the check box of the named group.
    void setChecked(const QString& name, bool checked)
    {
        const QList<QListWidgetItem*> items = main.lstGroups->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        items[0]->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }

    MainWindow& main = *state.mainWindow;
};

} // namespace

TEST_F(HostListTest, RequestCarriesTheAccountAndItsReplyFillsTheListsAndRestoresTheCheckBoxes)
{
    server.hostsReply = QStringLiteral("GETHOSTS:GHOME:HPC1:HPC2:GOFFICE:HSERVER:");
    state.checkedGroups = QStringLiteral("OFFICE:");
    state.client->refreshHostList();
    server.answerAll();

    ASSERT_EQ(server.requests.size(), 1u);
    EXPECT_EQ(server.requests[0].text, "GETHOSTS:ALICE:PW:");
    EXPECT_EQ(groupNames(), QStringList({"HOME", "OFFICE"}));
    EXPECT_EQ(checkedNames(), QStringList({"OFFICE"}));
    EXPECT_EQ(state.groupCount, 2);
    EXPECT_EQ(state.groupHosts[1], "SERVER:");
    EXPECT_EQ(main.lblGroup->text(), "HOME");
    EXPECT_EQ(lineTexts(main.lstHosts), QStringList({"PC1", "PC2"}));
    EXPECT_TRUE(main.cmdViewHosts->isEnabled());
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
    state.client->handleHostsReply(QStringLiteral("GOTHER:HZ:"));
    EXPECT_EQ(groupNames(), QStringList({"HOME"}));
    EXPECT_EQ(state.groupHosts[0], "PC1:");

    // A short reply empties the groups but keeps the old hosts of group zero.
    answer(QStringLiteral("GETH"));
    EXPECT_TRUE(groupNames().isEmpty());
    EXPECT_EQ(state.groupCount, 0);
    EXPECT_FALSE(state.groupListReady);
    EXPECT_EQ(lineTexts(main.lstHosts), QStringList({"PC1"}));
    EXPECT_EQ(main.lblGroup->text(), "");

    // Checks are restored for whole upper-case entries; text after the last ":" is no entry. µ and ÿ
    // stay as they are, since their upper cases do not fit the settings file.
    state.checkedGroups = QStringLiteral("MYHOME:B:µNET:ÿ:X");
    answer(QStringLiteral("GETHOSTS:Gb:GHOME:GMYHOME:GAB:GX:Gµnet:Gÿ:"));
    EXPECT_EQ(checkedNames(), QStringList({"b", "MYHOME", "µnet", "ÿ"}));
}

TEST_F(HostListTest, RefusedAccountEmptiesTheListsClosesThePanelAndSaysSo)
{
    answer(QStringLiteral("GETHOSTS:GHOME:HPC1:GOFFICE:"));
    main.cmdViewHosts_Click();
    EXPECT_EQ(main.outerWidthTwips(), 9585);
    EXPECT_EQ(main.cmdViewHosts->text(), "<< Hide Hosts");
    answer(QStringLiteral("ERROR:INVALIDUSER:"));

    EXPECT_TRUE(groupNames().isEmpty());
    EXPECT_TRUE(lineTexts(main.lstHosts).isEmpty());
    EXPECT_FALSE(state.hostsPanelShown);
    EXPECT_EQ(main.outerWidthTwips(), 4905);
    EXPECT_EQ(main.cmdViewHosts->text(), "View Hosts in Group >>");
    EXPECT_FALSE(main.cmdViewHosts->isEnabled());
    EXPECT_EQ(statusBar(), " The user name or password was not accepted");
    EXPECT_FALSE(state.groupListReady);
}

TEST_F(HostListTest, GroupPastTheListEndIsShownWithoutItsHosts)
{
    QString reply = QStringLiteral("GETHOSTS:");
    for (int i = 0; i <= kListUpperBound + 1; ++i)
        reply += QStringLiteral("G%1:H%1:").arg(i);
    answer(reply);

    EXPECT_EQ(state.groupCount, kListUpperBound + 2);
    EXPECT_EQ(main.lstGroups->count(), kListUpperBound + 2);
    EXPECT_EQ(state.groupHosts[kListUpperBound], "32000:");
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
