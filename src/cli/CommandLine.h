#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks for.
struct CommandLine
{
    enum class Command
    {
        Help,
        Version,
        Update,
        Run,
        Status,
        Check,
        Uncheck,
        Account,
        Interval,
        AutoUpdate,
        Address,
        History
    };

    Command command = Command::Help;
    // The command's one argument: the group of check and uncheck, the minutes of interval, "on" or
    // "off" for auto-update, "auto" or the fixed address for address.
    QString argument;
    // The settings file; empty means the desktop program's.
    QString configPath;
    // The command server; empty host means the built-in one.
    QString serverHost;
    int serverPort = 0;
    // How long one exchange may take; 0 keeps the exchange's own time-out.
    int timeoutSeconds = 0;
    // The length of run's minute, shortened by the tests; 0 keeps a real minute.
    int minuteMs = 0;
    // How many of the history's newest lines to print; 0 for all.
    int lastLines = 0;
};

// Reads the arguments (without the program name). Nothing, and `error` set, for a usage error.
std::optional<CommandLine> parseCommandLine(const QStringList& arguments, QString* error);

// The text of --help.
QString usageText();
