#include "FakeCommandServer.h"
#include "TestSupport.h"
#include "protocol/Lumeris_Commands.h"
#include "state/CheckedGroups.h"
#include "state/ConfigFile.h"

#include <QListWidget>
#include <QPushButton>

namespace {

QStringList texts(QListWidget* list, bool checkedOnly = false)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i) {
        if (!checkedOnly || list->item(i)->checkState() == Qt::Checked)
            result.append(list->item(i)->text());
    }
    return result;
}

class HostListTest : public ClientTest
{
protected:
    // Hands a reply to the processor as if it answered a request just made.
    void answer(const QString& reply)
    {
        state.hostsRequestPending = true;
        Lumeris_Commands::processHostsReply(state, fake.platform, reply);
    }

    template <typename W> W* widget(const char* name) { return state.frmMain->findChild<W*>(QLatin1String(name)); }
    QStringList groupNames() { return texts(widget<QListWidget>("lstGroups")); }
    QStringList hostNames() { return texts(widget<QListWidget>("lstHosts")); }
    QStringList checkedNames() { return texts(widget<QListWidget>("lstGroups"), true); }
};

} // namespace

TEST_F(HostListTest, RequestCarriesTheAccountAndItsReplyFillsTheListsAndRestoresTheCheckBoxes)
{
    FakeCommandServer server(fake);
    server.hostsReply = QStringLiteral("GETHOSTS:GHOME:HPC1:HPC2:GOFFICE:HSERVER:");
    state.userName = QStringLiteral("ann");
    state.password = QStringLiteral("pw");
    state.checkedGroups = QStringLiteral("OFFICE:");

    Lumeris_Commands::requestHosts(state, fake.platform);
    EXPECT_TRUE(state.hostsRequestPending);
    EXPECT_EQ(state.requestText, "getHosts:ann:pw:");
    server.answerAll();

    EXPECT_EQ(server.commandWords(), QStringList({"GETHOSTS"}));
    EXPECT_EQ(groupNames(), QStringList({"HOME", "OFFICE"}));
    EXPECT_EQ(checkedNames(), QStringList({"OFFICE"}));
    EXPECT_EQ(state.groupCount, 2);
    EXPECT_EQ(state.groupHosts[0], "PC1:PC2:");
    EXPECT_EQ(state.groupHosts[1], "SERVER:");
    EXPECT_EQ(widget<QLabel>("lblGroup")->text(), "HOME");
    EXPECT_EQ(hostNames(), QStringList({"PC1", "PC2"}));
    EXPECT_TRUE(widget<QPushButton>("cmdViewHosts")->isEnabled());
    EXPECT_EQ(statusBar(), " List refreshed");
    EXPECT_FALSE(state.hostsRequestPending);
    EXPECT_EQ(state.checkedGroups, "OFFICE:");
}

TEST_F(HostListTest, ParsingStopsAtAnEmptyEntryAndDropsStrayEntriesAndLaterPieces)
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
    EXPECT_EQ(hostNames(), QStringList({"PC1"}));
    EXPECT_EQ(widget<QLabel>("lblGroup")->text(), "");
    EXPECT_EQ(statusBar(), " List refreshed");
}

TEST_F(HostListTest, RestoredChecksMatchWholeUpperCaseEntriesAsTheCheckBoxHandlerDoes)
{
    state.checkedGroups = QStringLiteral("MYHOME:B:");
    answer(QStringLiteral("GETHOSTS:Gb:GHOME:GMYHOME:GAB:"));
    EXPECT_EQ(checkedNames(), QStringList({"b", "MYHOME"}));

    const QStringList names = {"B", "AB", "C", ""};
    for (const char* list : {"AB:", "B", "AB:B", ":B:", "C::", "X:AB:C", ""}) {
        state.checkedGroups = QString::fromLatin1(list);
        answer(QStringLiteral("GETHOSTS:GB:GAB:GC:G:"));
        auto* groups = widget<QListWidget>("lstGroups");
        ASSERT_EQ(groups->count(), names.size());
        for (int i = 0; i < names.size(); ++i) {
            EXPECT_EQ(groups->item(i)->checkState() == Qt::Checked,
                      CheckedGroups::contains(state.checkedGroups, names[i]))
                << "list " << list << ", group " << names[i].toStdString();
        }
    }
}

TEST_F(HostListTest, GroupsNamedWithMuOrYDiaeresisStayCheckedThroughTheSettingsFileAndARefresh)
{
    FakeCommandServer server(fake);
    server.hostsReply = QStringLiteral("GETHOSTS:Gµnet:Gÿ:Gcabin:");
    Lumeris_Commands::requestHosts(state, fake.platform);
    server.answerAll();
    auto* groups = widget<QListWidget>("lstGroups");
    ASSERT_EQ(groupNames(), QStringList({"µNET", "ÿ", "CABIN"}));
    groups->item(0)->setCheckState(Qt::Checked);
    groups->item(1)->setCheckState(Qt::Checked);

    ASSERT_TRUE(Common_Functions::saveConfig(state, fake.platform).saved);
    state.checkedGroups.clear();
    Common_Functions::loadConfig(state, fake.platform);
    EXPECT_EQ(state.checkedGroups, "µNET:ÿ:");

    fake.clock.advance(250);
    Lumeris_Commands::requestHosts(state, fake.platform);
    server.answerAll();
    EXPECT_EQ(checkedNames(), QStringList({"µNET", "ÿ"}));
}

TEST_F(HostListTest, RefusedAccountEmptiesTheListsClosesThePanelAndSaysSo)
{
    answer(QStringLiteral("GETHOSTS:GHOME:HPC1:GOFFICE:"));
    state.frmMain->cmdViewHosts_Click();
    ASSERT_TRUE(state.hostsPanelShown);

    answer(QStringLiteral("ERROR:INVALIDUSER:"));

    EXPECT_TRUE(groupNames().isEmpty());
    EXPECT_TRUE(hostNames().isEmpty());
    EXPECT_FALSE(state.hostsPanelShown);
    EXPECT_EQ(state.frmMain->outerWidthTwips(), 4905);
    auto* button = widget<QPushButton>("cmdViewHosts");
    EXPECT_EQ(button->text(), "View Hosts in Group >>");
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(statusBar(), " The user name or password was not accepted");
    EXPECT_TRUE(state.hostsRequestPending);
    EXPECT_FALSE(state.groupListReady);
    // Stale until the next list: the update reads only lines that exist.
    EXPECT_EQ(state.groupCount, 2);
}

TEST_F(HostListTest, GroupPastTheListEndIsShownWithoutItsHosts)
{
    QString reply = QStringLiteral("GETHOSTS:");
    for (int i = 0; i <= kListUpperBound + 1; ++i)
        reply += QStringLiteral("G%1:H%1:").arg(i);
    answer(reply);

    EXPECT_EQ(state.groupCount, kListUpperBound + 2);
    EXPECT_EQ(widget<QListWidget>("lstGroups")->count(), kListUpperBound + 2);
    EXPECT_EQ(state.groupHosts[kListUpperBound], "32000:");
}

TEST_F(HostListTest, ShowingAGroupListsItsHostsAndNothingForIndexesOutOfRange)
{
    state.groupHosts[3] = QStringLiteral("WWW:MAIL::LOST:");
    Common_Functions::showGroupHosts(state, 3);
    EXPECT_EQ(hostNames(), QStringList({"WWW", "MAIL"}));
    for (int index : {-1, kListUpperBound + 1}) {
        Common_Functions::showGroupHosts(state, index);
        EXPECT_TRUE(hostNames().isEmpty()) << index;
    }
}
