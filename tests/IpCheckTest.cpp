#include "TestSupport.h"
#include "exchange/frmUpdate.h"
#include "protocol/Lumeris_Commands.h"
#include "ui/main/frmMain.h"
#include "ui/preferences/frmPreferences.h"

#include <QLabel>
#include <QLineEdit>

using Lumeris_Commands::processMyIPReply;
using Lumeris_Commands::requestMyIP;

namespace {

class IpCheckTest : public ClientTest
{
protected:
    IpCheckTest()
    {
        state.serverHost = QStringLiteral("cmd.example");
        state.userName = QStringLiteral("u");
        state.password = QStringLiteral("p");
        state.currentIP = QStringLiteral("10.0.0.1");
        statusLabel = state.frmMain->findChild<QLabel*>(QStringLiteral("lblStatusBar"));
    }

    void reply(const QString& text) { processMyIPReply(state, fake.platform, text); }

    QLabel* statusLabel = nullptr;
};

} // namespace

TEST_F(IpCheckTest, FixedAddressShowsTheStaticAddressBoxAndSendsNothing)
{
    state.useStaticIP = true;
    requestMyIP(state, fake.platform);

    ASSERT_EQ(fake.messageBoxes.shown().size(), 1u);
    const FakeMessageBoxes::Box& box = fake.messageBoxes.shown()[0];
    EXPECT_EQ(box.title, QStringLiteral("Static Address"));
    EXPECT_EQ(box.text, QStringLiteral("You have selected to use a staticly defined \r\n"
                                       "IP address.  To update this please go to \r\n\r\n"
                                       "'Settings' >> 'Preferences'\r\n\r\n"
                                       "on your main control toolbar."));
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_EQ(box.icon, MsgIcon::Information);
    EXPECT_EQ(fake.sockets.count(), 0);
    EXPECT_FALSE(state.exchangeBusy);
}

TEST_F(IpCheckTest, ReplyTellsWhetherTheAddressChanged)
{
    reply(QStringLiteral("GETMYIP:10.0.0.1:"));
    EXPECT_EQ(statusLabel->text(), QStringLiteral(" IP is current."));
    EXPECT_EQ(state.frmUpdate->lblStatus, QStringLiteral("IP is current."));
    EXPECT_TRUE(fake.tray.lastTip().contains(QStringLiteral("10.0.0.1")));

    // Not asked for by the user: the exchange's label still says current.
    reply(QStringLiteral("GETMYIP:10.0.0.2:"));
    EXPECT_EQ(statusLabel->text(), QStringLiteral(" New IP found: 10.0.0.2"));
    EXPECT_EQ(state.frmUpdate->lblStatus, QStringLiteral("IP is current."));

    state.ipCheckRequested = true;
    reply(QStringLiteral("GETMYIP:192.168.17.254:"));
    EXPECT_EQ(state.currentIP, QStringLiteral("192.168.17.254"));
    EXPECT_FALSE(state.ipCheckRequested);
    EXPECT_EQ(statusLabel->text(), QStringLiteral(" New IP found: 192.168.17.254"));
    EXPECT_EQ(state.frmUpdate->lblStatus, QStringLiteral("New IP found: 192.168.17.254"));
    EXPECT_EQ(state.frmMain->findChild<QLabel*>(QStringLiteral("lblCurrentIP"))->text(), state.currentIP);
}

TEST_F(IpCheckTest, OpenPreferencesGetTheAddressInTheirDisabledBoxAndTheStatusStays)
{
    state.preferencesOpen = true;
    state.ipCheckRequested = true;
    statusLabel->setText(QStringLiteral("Checking for new IP..."));

    reply(QStringLiteral("GETMYIP:10.0.0.9:"));

    EXPECT_EQ(state.currentIP, QStringLiteral("10.0.0.9"));
    EXPECT_EQ(state.frmPreferences->txtCurrentIP->text(), QStringLiteral("10.0.0.9"));
    EXPECT_FALSE(state.frmPreferences->txtCurrentIP->isEnabled());
    EXPECT_EQ(statusLabel->text(), QStringLiteral("Checking for new IP..."));
    EXPECT_TRUE(state.ipCheckRequested);
}

TEST_F(IpCheckTest, FixedAddressChosenWhileTheCheckRanIsKept)
{
    state.useStaticIP = true;
    state.preferencesOpen = true;
    state.frmPreferences->txtCurrentIP->setText(QStringLiteral("10.0.0.1"));

    reply(QStringLiteral("GETMYIP:10.0.0.9:"));

    EXPECT_EQ(state.currentIP, QStringLiteral("10.0.0.1"));
    EXPECT_EQ(state.frmPreferences->txtCurrentIP->text(), QStringLiteral("10.0.0.1"));
    EXPECT_EQ(statusLabel->text(), QStringLiteral(" Using the fixed address 10.0.0.1"));
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
        const std::size_t trayCalls = fake.tray.calls.size();
        reply(QLatin1String(text));
        EXPECT_EQ(state.currentIP, QStringLiteral("10.0.0.1")) << text;
        EXPECT_EQ(statusLabel->text(), QStringLiteral("IP check failed: the server sent an unexpected reply.")) << text;
        EXPECT_EQ(fake.tray.calls.size(), trayCalls) << text;
    }
}
