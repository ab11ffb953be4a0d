#include "core/protocol/Replies.h"
#include "support/Engine.h"

TEST(MyIPReply, OnlyAPlainDottedQuadIsAnAddress)
{
    EXPECT_EQ(parseMyIPReply(QStringLiteral("GETMYIP:0.255.10.1:")), QStringLiteral("0.255.10.1"));
    // An IPv6 address would end up as an empty address field of the colon-separated update.
    for (const char* text :
         {"GETMYIP::", "GETHOSTS:1.2.3.4:", "GETMYIP:1.2.3:", "GETMYIP:1.2.3.4.5:", "GETMYIP:256.1.1.1:",
          "GETMYIP:010.1.1.1:", "GETMYIP:1.2.3.45", "GETMYIP: 1.2.3.4:", "GETMYIP:+1.2.3.4:", "GETMYIP:2001:DB8::1:"})
        EXPECT_EQ(parseMyIPReply(QLatin1String(text)), std::nullopt) << text;
}

TEST(IpCheck, TheReplyTellsWhetherTheAddressChangedAndABadOneLeavesTheAddressAlone)
{
    Engine engine;
    engine.settings.currentIP = QStringLiteral("203.0.113.9");
    engine.client->checkAddress();
    engine.server.run(1000);
    EXPECT_EQ(engine.status(), " IP is current.");

    engine.server.address = QStringLiteral("192.168.17.254");
    engine.client->checkAddress();
    engine.server.run(1000);
    EXPECT_EQ(engine.settings.currentIP, "192.168.17.254");
    EXPECT_EQ(engine.status(), " New IP found: 192.168.17.254");
    EXPECT_EQ(engine.view->lines.last(), "address");

    engine.server.address = QStringLiteral("2001:DB8::1");
    engine.client->checkAddress();
    engine.server.run(1000);
    EXPECT_EQ(engine.settings.currentIP, "192.168.17.254");
}

TEST(IpCheck, WithThePreferencesOpenTheAddressGoesToThemUnlessAFixedOneWasChosen)
{
    Engine engine;
    engine.settings.currentIP = QStringLiteral("10.0.0.1");
    engine.client->setPreferencesOpen(true);
    engine.client->checkAddress();
    engine.server.run(1000);
    EXPECT_EQ(engine.settings.currentIP, "203.0.113.9");
    EXPECT_EQ(engine.view->lines.last(), "address");

    // A fixed address chosen while the check ran is kept.
    engine.server.address = QStringLiteral("10.0.0.7");
    engine.server.holding = true;
    engine.client->checkAddress();
    engine.server.run(1000);
    engine.settings.useStaticIP = true;
    engine.server.holding = false;
    engine.server.run(1000);
    EXPECT_EQ(engine.settings.currentIP, "203.0.113.9");
    EXPECT_EQ(engine.status(), " Using the fixed address 203.0.113.9");
}
