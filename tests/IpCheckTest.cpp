#include "core/protocol/Lumeris_Commands.h"
#include "desktop/preferences/PreferencesDialog.h"
#include "support/TestSupport.h"

#include <QLineEdit>

namespace {

class IpCheckTest : public ClientTest
{
protected:
    IpCheckTest() { state.currentIP = QStringLiteral("10.0.0.1"); }

    void reply(const QString& text) { Lumeris_Commands::processMyIPReply(state, fake.platform, text); }
    QLineEdit& preferencesAddress() { return *state.preferencesDialog->findChild<QLineEdit*>("addressEdit"); }
};

} // namespace

TEST_F(IpCheckTest, ReplyTellsWhetherTheAddressChanged)
{
    reply(QStringLiteral("GETMYIP:10.0.0.1:"));
    EXPECT_EQ(statusBar(), QStringLiteral(" IP is current."));
    EXPECT_TRUE(fake.tray.lastTip().contains(QStringLiteral("10.0.0.1")));

    // Found without the user asking.
    reply(QStringLiteral("GETMYIP:10.0.0.2:"));
    EXPECT_EQ(statusBar(), QStringLiteral(" New IP found: 10.0.0.2"));

    state.ipCheckRequested = true;
    reply(QStringLiteral("GETMYIP:192.168.17.254:"));
    EXPECT_EQ(state.currentIP, QStringLiteral("192.168.17.254"));
    EXPECT_FALSE(state.ipCheckRequested);
    EXPECT_EQ(statusBar(), QStringLiteral(" New IP found: 192.168.17.254"));
    EXPECT_EQ(labelText("addressLabel"), state.currentIP);
}

TEST_F(IpCheckTest, WithThePreferencesOpenTheAddressGoesToTheirBoxUnlessAFixedOneWasChosen)
{
    state.preferencesOpen = true;
    state.ipCheckRequested = true;
    state.mainWindow->showStatus(QStringLiteral("Checking for new IP..."));
    reply(QStringLiteral("GETMYIP:10.0.0.9:"));
    EXPECT_EQ(state.currentIP, QStringLiteral("10.0.0.9"));
    EXPECT_EQ(preferencesAddress().text(), QStringLiteral("10.0.0.9"));
    EXPECT_FALSE(preferencesAddress().isEnabled());
    EXPECT_EQ(statusBar(), QStringLiteral("Checking for new IP..."));
    EXPECT_TRUE(state.ipCheckRequested);

    // A fixed address chosen while the check ran is kept.
    state.useStaticIP = true;
    reply(QStringLiteral("GETMYIP:10.0.0.7:"));
    EXPECT_EQ(state.currentIP, QStringLiteral("10.0.0.9"));
    EXPECT_EQ(preferencesAddress().text(), QStringLiteral("10.0.0.9"));
    EXPECT_EQ(statusBar(), QStringLiteral(" Using the fixed address 10.0.0.9"));
}

TEST_F(IpCheckTest, OnlyAWellFormedAddressIsTaken)
{
    reply(QStringLiteral("GETMYIP:0.255.10.1:"));
    EXPECT_EQ(state.currentIP, QStringLiteral("0.255.10.1"));

    // An IPv6 address would end up as an empty address field of the colon-separated update.
    for (const char* text : {"", "GETMYIP:", "GETMYIP::", "ERROR:INVALIDUSER:", "GETHOSTS:1.2.3.4:", "GETMYIP:1:",
                             "GETMYIP:1.2.3:", "GETMYIP:1.2.3.4.5:", "GETMYIP:256.1.1.1:", "GETMYIP:010.1.1.1:",
                             "GETMYIP:1.2.3.45", "GETMYIP:1.2.3.4 :", "GETMYIP: 1.2.3.4:", "GETMYIP:+1.2.3.4:",
                             "GETMYIP:::1:", "GETMYIP:2001:DB8::1:", "GETMYIP:::FFFF:1.2.3.4:"}) {
        state.currentIP = QStringLiteral("10.0.0.1");
        const qsizetype tips = fake.tray.toolTips.size();
        reply(QLatin1String(text));
        EXPECT_EQ(state.currentIP, QStringLiteral("10.0.0.1")) << text;
        EXPECT_EQ(statusBar(), QStringLiteral("IP check failed: the server sent an unexpected reply.")) << text;
        EXPECT_EQ(fake.tray.toolTips.size(), tips) << text;
    }
}
