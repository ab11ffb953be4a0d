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
        Update,
        Run,
        Status,
        Check,
        Uncheck,
        Account,
        History
    };

    Command command = Command::Help;
    // The group of check and uncheck.
    QString group;
    // The settings file; empty means "DNS.conf" beside the program.
    QString configPath;
    // The command server; empty host means the built-in one.
    QString serverHost;
    int serverPort = 0;
    // How long one exchange may take; 0 keeps the exchange's own time-out.
    int timeoutSeconds = 0;
    // How many of the history's newest lines to print; 0 for all.
    int lastLines = 0;
};

// Reads the arguments (without the program name). Nothing, and `error` set, for a usage error.
std::optional<CommandLine> parseCommandLine(const QStringList& arguments, QString* error);

// The text of --help.
QString usageText();
