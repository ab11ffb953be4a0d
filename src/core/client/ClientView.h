#pragma once

#include <QDateTime>
#include <QString>

struct HostList;

// What the client shows of its exchanges and their replies. The desktop program shows it in the
// main window, the tray and message boxes; the command-line client prints it.
class ClientView
{
public:
    virtual ~ClientView() = default;

    // The status line: progress, verdicts and failures, each replacing the one before.
    virtual void showStatus(const QString& text) = 0;
    // A status text that reports a failure: a connection, a time-out, a reply that made no sense.
    virtual void showFailure(const QString& text) { showStatus(text); }
    // The verdict of the group updates so far: all answered with success, or not.
    virtual void showUpdateVerdict(bool allSucceeded)
    {
        showStatus(allSucceeded ? QStringLiteral(" Update successful") : QStringLiteral(" Update failed"));
    }
    // A group's update was answered at `when`.
    virtual void showLastUpdate(const QDateTime& when) = 0;
    // The current address (or the fixed-address choice) has changed.
    virtual void showAddress() = 0;
    // The IP check learned the address while the preferences dialog is open.
    virtual void showAddressInPreferences(const QString& address) = 0;
    // The host list arrived; its groups carry their check marks.
    virtual void showHostList(const HostList& list) = 0;
    // The server refused the account's user name or password.
    virtual void showAccountRefused() = 0;
    // The user asked for an IP check while a fixed address is in use.
    virtual void noticeFixedAddress() = 0;
    // The version check found no newer program.
    virtual void noticeNoUpgrade() = 0;
    // A newer program can be fetched from `downloadUrl`.
    virtual void offerUpgrade(const QString& downloadUrl) = 0;
    // The service's news: the message, and the page it names (empty when it is no web page).
    virtual void showNews(const QString& text, const QString& webPage) = 0;
};
