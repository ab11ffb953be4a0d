#include "FakeCommandServer.h"
#include "platform/fake/FakePlatform.h"
#include "protocol/Lumeris_Commands.h"
#include "state/CheckedGroups.h"
#include "state/ClientState.h"
#include "ui/Windows.h"
#include "ui/main/frmMain.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class HostListTest : public ::testing::Test
{
protected:
    HostListTest()
    {
        installWindowFactories(state, fake.platform);
        main = state.frmMain.get();
    }

    // Hands a reply to the processor as if it answered a request just made.
    void answer(const QString& reply)
    {
        state.hostsRequestPending = true;
        Lumeris_Commands::processHostsReply(state, fake.platform, reply);
    }

    template <typename W> W* widget(const char* name) { return main->findChild<W*>(QLatin1String(name)); }

    QStringList groupNames() { return texts(widget<QListWidget>("lstGroups")); }
    QStringList hostNames() { return texts(widget<QListWidget>("lstHosts")); }
    QStringList checkedNames()
    {
        QStringList names;
        auto* list = widget<QListWidget>("lstGroups");
        for (int i = 0; i < list->count(); ++i) {
            if (list->item(i)->checkState() == Qt::Checked)
                names.append(list->item(i)->text());
        }
        return names;
    }
    QString statusText() { return widget<QLabel>("lblStatusBar")->text(); }

    static QStringList texts(QListWidget* list)
    {
        QStringList result;
        for (int i = 0; i < list->count(); ++i)
            result.append(list->item(i)->text());
        return result;
    }

    FakePlatform fake;
    ClientState state;
    frmMain* main = nullptr;
};

} // namespace

TEST_F(HostListTest, RequestCarriesTheAccountAndItsReplyFillsTheLists)
{
    FakeCommandServer server(fake);
    state.userName = QStringLiteral("ann");
    state.password = QStringLiteral("pw");

    Lumeris_Commands::requestHosts(state, fake.platform);

    EXPECT_TRUE(state.hostsRequestPending);
    EXPECT_EQ(statusText(), "Refreshing hosts...");
    EXPECT_EQ(state.pendingCommand, Lumeris_Commands::getHostsCMD);
    EXPECT_EQ(state.requestText, "getHosts:ann:pw:");
    server.answerAll();
    EXPECT_EQ(server.commandWords(), QStringList({"GETHOSTS"}));
    EXPECT_EQ(groupNames(), QStringList({"HOME", "OFFICE", "LAB"}));
    EXPECT_FALSE(state.hostsRequestPending);
}

TEST_F(HostListTest, ReplyFillsBothListsAndRestoresTheCheckBoxes)
{
    state.checkedGroups = QStringLiteral("OFFICE:");
    answer(QStringLiteral("GETHOSTS:GHOME:HPC1:HPC2:GOFFICE:HSERVER:"));

    EXPECT_EQ(groupNames(), QStringList({"HOME", "OFFICE"}));
    EXPECT_EQ(checkedNames(), QStringList({"OFFICE"}));
    EXPECT_EQ(state.groupCount, 2);
    EXPECT_EQ(state.groupHosts[0], "PC1:PC2:");
    EXPECT_EQ(state.groupHosts[1], "SERVER:");
    EXPECT_EQ(widget<QLabel>("lblGroup")->text(), "HOME");
    EXPECT_EQ(hostNames(), QStringList({"PC1", "PC2"}));
    EXPECT_TRUE(widget<QPushButton>("cmdViewHosts")->isEnabled());
    EXPECT_EQ(statusText(), " List refreshed");
    EXPECT_FALSE(state.hostsRequestPending);
    EXPECT_TRUE(state.groupListReady);
    EXPECT_EQ(state.checkedGroups, "OFFICE:");
}

TEST_F(HostListTest, ParsingStopsAtTheFirstEmptyEntry)
{
    answer(QStringLiteral("GETHOSTS:GA:HX::GB:HY:"));

    EXPECT_EQ(groupNames(), QStringList({"A"}));
    EXPECT_EQ(state.groupHosts[0], "X:");
    EXPECT_EQ(state.groupCount, 1);
}

TEST_F(HostListTest, HostsBeforeAnyGroupOtherMarkersAndTrailingTextAreDropped)
{
    answer(QStringLiteral("GETHOSTS:HLOST:GA:ZODD:HX:GB:HY:TRAILING"));

    EXPECT_EQ(groupNames(), QStringList({"A", "B"}));
    EXPECT_EQ(state.groupHosts[0], "X:");
    EXPECT_EQ(state.groupHosts[1], "Y:");
}

TEST_F(HostListTest, OnlyTheFirstPieceThatParsesCounts)
{
    answer(QStringLiteral("GETHOSTS:GHOME:HPC1:"));
    Lumeris_Commands::processHostsReply(state, fake.platform, QStringLiteral("GOTHER:HZ:"));

    EXPECT_EQ(groupNames(), QStringList({"HOME"}));
    EXPECT_EQ(state.groupHosts[0], "PC1:");
}

TEST_F(HostListTest, ShortReplyEmptiesTheGroupsButKeepsOldHostsOfGroupZero)
{
    answer(QStringLiteral("GETHOSTS:GHOME:HPC1:"));
    answer(QStringLiteral("GETH"));

    EXPECT_TRUE(groupNames().isEmpty());
    EXPECT_EQ(state.groupCount, 0);
    EXPECT_EQ(hostNames(), QStringList({"PC1"}));
    EXPECT_EQ(widget<QLabel>("lblGroup")->text(), "");
    EXPECT_TRUE(widget<QPushButton>("cmdViewHosts")->isEnabled());
    EXPECT_EQ(statusText(), " List refreshed");
}

TEST_F(HostListTest, GroupNamesAreMatchedInUpperCaseAndAsWholeEntries)
{
    state.checkedGroups = QStringLiteral("MYHOME:B:");
    answer(QStringLiteral("GETHOSTS:Gb:GHOME:GMYHOME:GAB:"));

    EXPECT_EQ(checkedNames(), QStringList({"b", "MYHOME"}));
}

TEST_F(HostListTest, RestoredChecksAgreeWithTheMatchingOfTheCheckBoxHandler)
{
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

TEST_F(HostListTest, RefusedAccountEmptiesTheListsClosesThePanelAndSaysSo)
{
    answer(QStringLiteral("GETHOSTS:GHOME:HPC1:GOFFICE:"));
    main->cmdViewHosts_Click();
    ASSERT_TRUE(state.hostsPanelShown);

    answer(QStringLiteral("ERROR:INVALIDUSER:"));

    EXPECT_TRUE(groupNames().isEmpty());
    EXPECT_TRUE(hostNames().isEmpty());
    EXPECT_FALSE(state.hostsPanelShown);
    EXPECT_EQ(main->outerWidthTwips(), 4905);
    auto* button = widget<QPushButton>("cmdViewHosts");
    EXPECT_EQ(button->text(), "View Hosts in Group >>");
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(statusText(), " The user name or password was not accepted");
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

    Common_Functions::showGroupHosts(state, -1);
    EXPECT_TRUE(hostNames().isEmpty());
    Common_Functions::showGroupHosts(state, kListUpperBound + 1);
    EXPECT_TRUE(hostNames().isEmpty());
}
