#include "core/protocol/Replies.h"
#include "support/Engine.h"

TEST(HostListReply, GroupsCollectTheirHostsUpToTheFirstEmptyEntryAndStrayEntriesAreDropped)
{
    const std::pair<const char*, QStringList> cases[] = {
        {"GETHOSTS:GHOME:HPC1:HPC2:GOFFICE:HSERVER:", {"HOME=PC1:PC2:", "OFFICE=SERVER:"}},
        {"GETHOSTS:GA:HX::GB:HY:", {"A=X:"}},
        {"GETHOSTS:HLOST:GA:ZODD:HX:GB:HY:TRAILING", {"A=X:", "B=Y:"}},
        {"GETH", {}},
    };
    for (const auto& [reply, groups] : cases) {
        const HostList list = parseHostsReply(QLatin1String(reply));
        QStringList parsed;
        for (const HostList::Group& group : list.groups)
            parsed << group.name + '=' + group.hosts;
        EXPECT_EQ(parsed, groups) << reply;
        EXPECT_FALSE(list.refused) << reply;
    }
    EXPECT_TRUE(parseHostsReply(QStringLiteral("ERROR:INVALIDUSER:")).refused);
}

TEST(HostList, TheRequestCarriesTheAccountAndTheReplyMarksTheWholeCheckedEntries)
{
    Engine engine;
    // Names come upper-cased; µ and ÿ stay as they are, since their upper cases do not fit the
    // settings file.
    engine.settings.checkedGroups = QStringLiteral("MYHOME:B:µNET:ÿ:X");
    engine.server.hostsReply = QStringLiteral("GETHOSTS:Gb:GHOME:HPC1:GMYHOME:GAB:GX:Gµnet:Gÿ:");
    engine.client->refreshHostList();
    engine.server.answerAll();

    EXPECT_EQ(engine.server.requests.at(0).text, "GETHOSTS:ALICE:PW:");
    EXPECT_EQ(engine.client->checkedGroupNames(), QStringList({"B", "MYHOME", "µNET", "ÿ"}));
    EXPECT_EQ(engine.view->lines.last(), "host list of 7 groups");
    EXPECT_EQ(engine.settings.checkedGroups, "MYHOME:B:µNET:ÿ:X") << "receiving the list changes no setting";
}

TEST(HostList, ARefusedAccountEmptiesTheListAndStopsTheChecksFromEditingTheSettings)
{
    Engine engine;
    engine.settings.checkedGroups = QStringLiteral("HOME:OLD:");
    engine.server.hostsReply = QStringLiteral("GETHOSTS:GHOME:GOFFICE:");
    engine.client->refreshHostList();
    engine.server.run(1000);
    engine.client->setGroupChecked(0, false);
    EXPECT_EQ(engine.settings.checkedGroups, "OLD:");
    engine.client->setGroupChecked(1, true);
    engine.client->setGroupChecked(0, true);
    engine.client->setGroupChecked(2, true);
    EXPECT_EQ(engine.settings.checkedGroups, "OLD:OFFICE:HOME:");

    engine.server.hostsReply = QStringLiteral("ERROR:INVALIDUSER:");
    engine.client->refreshHostList();
    engine.server.answerAll();
    EXPECT_TRUE(engine.view->lines.contains("account refused"));
    engine.client->setGroupChecked(0, false);
    EXPECT_EQ(engine.settings.checkedGroups, "OLD:OFFICE:HOME:");
}
