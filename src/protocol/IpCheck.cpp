#include "protocol/Lumeris_Commands.h"

#include "protocol/AccountCommand.h"

#include "exchange/frmUpdate.h"
#include "platform/Platform.h"
#include "state/ClientState.h"
#include "ui/main/frmMain.h"
#include "ui/preferences/frmPreferences.h"

#include <QLabel>
#include <QLineEdit>
#include <QStringList>

namespace {

const QString kReplyTag = QStringLiteral("GETMYIP:");

// Four decimal numbers 0 to 255 in their plain form (no sign, no leading zero).
bool isDottedDecimal(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    for (const QString& part : parts) {
        if (part.isEmpty() || part.size() > 3 || (part.size() > 1 && part.startsWith(QLatin1Char('0'))))
            return false;
        for (const QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        }
        if (part.toInt() > 255)
            return false;
    }
    return true;
}

// The address of a well-formed reply: the tag, the address, a closing colon. Empty otherwise.
QString addressOf(const QString& reply)
{
    if (!reply.startsWith(kReplyTag) || !reply.endsWith(QLatin1Char(':')) || reply.size() <= kReplyTag.size())
        return {};
    const QString address = reply.mid(kReplyTag.size(), reply.size() - kReplyTag.size() - 1);
    // Only IPv4: the update request is colon-separated, so an IPv6 address would break it.
    return isDottedDecimal(address) ? address : QString();
}

} // namespace

namespace Lumeris_Commands {

void requestMyIP(ClientState& state, Platform& platform)
{
    if (state.useStaticIP) {
        const QString text = QStringList{QStringLiteral("You have selected to use a staticly defined "),
                                         QStringLiteral("IP address.  To update this please go to "),
                                         QString(),
                                         QStringLiteral("'Settings' >> 'Preferences'"),
                                         QString(),
                                         QStringLiteral("on your main control toolbar.")}
                                 .join(QStringLiteral("\r\n"));
        platform.messageBoxes.show(text, QStringLiteral("Static Address"), MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    submitAccountCommand(state, getMyIPCMD, QStringLiteral("Checking for new IP..."), QStringLiteral("getMyIP"));
}

void processMyIPReply(ClientState& state, Platform&, const QString& reply)
{
    // A fixed address chosen while the check was under way stays as the user set it.
    if (state.useStaticIP) {
        state.frmMain->lblStatusBar->setText(QStringLiteral(" Using the fixed address ") + state.currentIP);
        return;
    }
    // An error text, a cut reply or an address of another kind must not become the address that
    // the next update sends.
    const QString newIP = addressOf(reply);
    if (newIP.isEmpty()) {
        state.frmMain->lblStatusBar->setText(QStringLiteral("IP check failed: the server sent an unexpected reply."));
        return;
    }

    if (state.preferencesOpen) {
        state.currentIP = newIP;
        QLineEdit* box = state.frmPreferences->txtCurrentIP;
        box->setEnabled(true);
        box->setText(state.currentIP);
        box->setEnabled(false);
    } else {
        if (newIP != state.currentIP && state.ipCheckRequested) {
            state.frmUpdate->lblStatus = QStringLiteral("New IP found: ") + newIP;
            state.frmMain->lblStatusBar->setText(QStringLiteral(" New IP found: ") + newIP);
        } else {
            state.frmUpdate->lblStatus = QStringLiteral("IP is current.");
            state.frmMain->lblStatusBar->setText(newIP == state.currentIP ? QStringLiteral(" IP is current.")
                                                                          : QStringLiteral(" New IP found: ") + newIP);
        }
        state.currentIP = newIP;
        state.ipCheckRequested = false;
    }
    state.frmMain->UpdateIcon();
}

} // namespace Lumeris_Commands
