#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

// The server's replies read into values: pure functions of the reply text, with no state and no
// display, so the desktop program, the command-line client and the fuzz targets share them.

// Four decimal numbers 0 to 255 in their plain form (no sign, no leading zero): the only address
// the update request carries.
bool isDottedDecimal(const QString& text);

// The address of a "GETMYIP:address:" reply: four decimal numbers 0 to 255 in their plain form.
// Nothing for any other reply, an IPv6 address included (the update request is colon-separated).
std::optional<QString> parseMyIPReply(const QString& reply);

struct HostList
{
    struct Group
    {
        QString name;
        // The group's hosts, each followed by ":".
        QString hosts;
        // Set when the list is applied: the group is among the checked groups.
        bool checked = false;
    };
    // The server did not accept the user name or password.
    bool refused = false;
    std::vector<Group> groups;
};

// A "GETHOSTS:" reply: "G" entries start groups, "H" entries add hosts to the last group. The walk
// stops at the first empty entry or where no ":" follows; hosts before any group are dropped.
HostList parseHostsReply(const QString& reply);

// "major.minor.revision" of a "CHECKVERSION:" reply; nothing for an error text or a broken number.
using Version = std::array<int, 3>;
std::optional<Version> parseVersionReply(const QString& reply);

struct News
{
    // "NONE": the service has no news.
    bool none = false;
    QString url;
    QString text;
};
// A "CHECKNEWS:" reply: "NONE", or the page address and the message. Nothing when no separator follows the address.
std::optional<News> parseNewsReply(const QString& reply);

// The entries of a list whose entries each end with ":", up to the first empty one.
QStringList entriesOf(const QString& text);

// Whether an update reply reports success.
bool isUpdateSuccess(const QString& reply);
// Why an update reply is no success, as the history keeps it (see FailureReasons); the server's own
// text when it is none of its errors.
QString updateFailureReason(const QString& reply);

// True for an http or https address with a host; the web window goes to no other kind.
bool isWebAddress(const QString& address);
