#pragma once

#include <QString>

#include <vector>

// One command as the exchange carries it: its own copy of the tag and the request(s), taken
// when the command is given, so a later command cannot change it.
struct ExchangeCommand
{
    QString tag;
    // The main window's status text, shown when the command starts.
    QString statusText;
    // The single request (plain form); empty for the group update.
    QString requestText;
    // The group update's requests (plain form), one connection each.
    std::vector<QString> updateRequests;
    // Where the server listens; without a host, the built-in server.
    QString serverHost;
    quint16 serverPort = 0;
    // The address an update sends: an update of no group at all succeeds for it.
    QString address;
};
