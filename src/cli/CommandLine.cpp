#include "cli/CommandLine.h"

#include "core/net/ServerAddress.h"
#include "core/protocol/Replies.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <array>

namespace {

using Command = CommandLine::Command;

struct CommandName
{
    const char* name;
    Command command;
    // What the command's one argument is called in messages; null for a command without one.
    const char* argument;
};

constexpr std::array<CommandName, 10> kCommands{{
    {"update", Command::Update, nullptr},
    {"run", Command::Run, nullptr},
    {"status", Command::Status, nullptr},
    {"check", Command::Check, QT_TRANSLATE_NOOP("CommandLine", "one group name")},
    {"uncheck", Command::Uncheck, QT_TRANSLATE_NOOP("CommandLine", "one group name")},
    {"account", Command::Account, nullptr},
    {"interval", Command::Interval, QT_TRANSLATE_NOOP("CommandLine", "a number of minutes")},
    {"auto-update", Command::AutoUpdate, QT_TRANSLATE_NOOP("CommandLine", "\"on\" or \"off\"")},
    {"address", Command::Address, QT_TRANSLATE_NOOP("CommandLine", "\"auto\" or an IPv4 address such as 203.0.113.7")},
    {"history", Command::History, nullptr},
}};

// Whether the argument is one the command takes; `error` says why not.
bool checkArgument(const CommandLine& line, QString* error)
{
    const QString& value = line.argument;
    switch (line.command) {
    case Command::Check:
    case Command::Uncheck:
        if (value.isEmpty() || value.contains(u':')) {
            *error = QCoreApplication::translate("CommandLine", "a group name holds no \":\" and is not empty");
            return false;
        }
        return true;
    case Command::Interval: {
        bool ok = false;
        if (value.toInt(&ok) < 1 || !ok) {
            *error = QCoreApplication::translate("CommandLine",
                                                 "interval needs a whole number of minutes above 0, not \"%1\"")
                         .arg(value);
            return false;
        }
        return true;
    }
    case Command::AutoUpdate:
        if (value != QLatin1String("on") && value != QLatin1String("off")) {
            *error = QCoreApplication::translate("CommandLine", "auto-update needs \"on\" or \"off\", not \"%1\"")
                         .arg(value);
            return false;
        }
        return true;
    case Command::Address:
        // Anything else would go into the update request as the address.
        if (value != QLatin1String("auto") && !isDottedDecimal(value)) {
            *error = QCoreApplication::translate(
                         "CommandLine", "address needs \"auto\" or an IPv4 address such as 203.0.113.7, not \"%1\"")
                         .arg(value);
            return false;
        }
        return true;
    default:
        return true;
    }
}

} // namespace

std::optional<CommandLine> parseCommandLine(const QStringList& arguments, QString* error)
{
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption config(QStringLiteral("config"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption server(QStringLiteral("server"), QString(), QStringLiteral("HOST:PORT"));
    const QCommandLineOption last(QStringLiteral("last"), QString(), QStringLiteral("N"));
    const QCommandLineOption timeout(QStringLiteral("timeout-seconds"), QString(), QStringLiteral("N"));
    const QCommandLineOption minute(QStringLiteral("minute-ms"), QString(), QStringLiteral("MS"));
    parser.addOptions({help, version, config, server, last, timeout, minute});
    if (!parser.parse(QStringList{QStringLiteral("veltaro-cli")} + arguments)) {
        *error = parser.errorText();
        return std::nullopt;
    }

    CommandLine line;
    if (parser.isSet(help))
        return line;
    if (parser.isSet(version)) {
        line.command = Command::Version;
        return line;
    }
    if (parser.isSet(config)) {
        line.configPath = parser.value(config);
        if (line.configPath.isEmpty()) {
            *error = QCoreApplication::translate("CommandLine", "--config needs a file name");
            return std::nullopt;
        }
    }
    if (parser.isSet(server)) {
        const std::optional<ServerAddress> address = parseServerAddress(parser.value(server));
        if (!address) {
            *error = serverAddressProblem(parser.value(server));
            return std::nullopt;
        }
        line.serverHost = address->host;
        line.serverPort = address->port;
    }
    bool ok = true;
    if (parser.isSet(last) && ((line.lastLines = parser.value(last).toInt(&ok)) < 1 || !ok)) {
        *error = QCoreApplication::translate("CommandLine", "--last needs a number of lines above 0");
        return std::nullopt;
    }
    if (parser.isSet(timeout)) {
        line.timeoutSeconds = parser.value(timeout).toInt(&ok);
        if (!ok || line.timeoutSeconds < 1 || line.timeoutSeconds > 3600) {
            *error = QCoreApplication::translate("CommandLine", "--timeout-seconds needs a number from 1 to 3600");
            return std::nullopt;
        }
    }
    if (parser.isSet(minute)) {
        line.minuteMs = parser.value(minute).toInt(&ok);
        if (!ok || line.minuteMs < 1 || line.minuteMs > 60000) {
            *error = QCoreApplication::translate("CommandLine", "--minute-ms needs a number from 1 to 60000");
            return std::nullopt;
        }
    }

    const QStringList words = parser.positionalArguments();
    if (words.isEmpty()) {
        *error = QCoreApplication::translate("CommandLine", "no command given");
        return std::nullopt;
    }
    for (const CommandName& known : kCommands) {
        if (words.first() != QLatin1String(known.name))
            continue;
        const qsizetype expected = known.argument != nullptr ? 2 : 1;
        if (words.size() != expected) {
            *error = known.argument != nullptr
                         ? QCoreApplication::translate("CommandLine", "%1 needs %2")
                               .arg(words.first(), QCoreApplication::translate("CommandLine", known.argument))
                         : QCoreApplication::translate("CommandLine", "%1 takes no arguments").arg(words.first());
            return std::nullopt;
        }
        line.command = known.command;
        line.argument = words.value(1);
        if (!checkArgument(line, error))
            return std::nullopt;
        return line;
    }
    *error = QCoreApplication::translate("CommandLine", "unknown command \"%1\"").arg(words.first());
    return std::nullopt;
}

QString usageText()
{
    return QCoreApplication::translate(
        "CommandLine",
        "Usage: veltaro-cli [--config FILE] [--server HOST:PORT] COMMAND\n"
        "\n"
        "Keeps the checked groups of a dynamic-DNS account pointed at this machine's address.\n"
        "\n"
        "Commands:\n"
        "  update              check the address, fetch the host list and update every checked group\n"
        "  run                 stay in the foreground and update every interval, like the desktop program\n"
        "  status              show the account, the address, the interval and the groups\n"
        "  check GROUP         update GROUP from now on\n"
        "  uncheck GROUP       stop updating GROUP\n"
        "  account             set the user name and password (asked on the terminal, or two lines on\n"
        "                      standard input)\n"
        "  interval MINUTES    update every MINUTES minutes (15 at the least)\n"
        "  auto-update on|off  switch the automatic updates of run and the desktop program on or off\n"
        "  address auto        learn the address from the server\n"
        "  address A.B.C.D     send this fixed IPv4 address instead\n"
        "  history             print the update history, oldest first (--last N: the newest N lines)\n"
        "\n"
        "Options:\n"
        "  --config FILE        the settings file (default: the desktop program's)\n"
        "  --server HOST:PORT   the command server (default: the built-in one)\n"
        "  -h, --help           show this text\n"
        "  --version            show the program's version\n"
        "\n"
        "Exit status:\n"
        "  0  done\n"
        "  1  an update failed, or the server refused the account\n"
        "  2  usage or settings error\n"
        "  3  the server could not be reached, or did not answer in time\n");
}
