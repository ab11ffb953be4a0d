#pragma once

#include <QString>

// What DNS.conf holds, and whether this run has said that the file is read-only.
struct Settings
{
    QString userName;
    QString password;
    bool useStaticIP = false;
    // The address the updates send: learned from the server, or the fixed one.
    QString currentIP;
    // Minutes between updates; 0 when none was chosen yet.
    qint32 updateInterval = 0;
    // The checked groups' names, upper-case, each followed by ":".
    QString checkedGroups;
    qint16 minimizeOnStartup = 0;
    qint16 autoUpdate = 0;
    // A read-only "DNS.conf" has been reported in this run.
    bool configReadOnlyTold = false;
};
