#include "cli/CommandLine.h"

#include <array>

namespace {

using Command = CommandLine::Command;

struct CommandName
{
    const char* name;
    Command command;
    // check and uncheck name one group.
    bool takesGroup;
};

constexpr std::array<CommandName, 7> kCommands{{
    {"update", Command::Update, false},
    {"run", Command::Run, false},
    {"status", Command::Status, false},
    {"check", Command::Check, true},
    {"uncheck", Command::Uncheck, true},
    {"account", Command::Account, false},
    {"history", Command::History, false},
}};

// "host:port", "[v6-address]:port".
bool parseServer(const QString& text, CommandLine& line)
{
    const qsizetype colon = text.lastIndexOf(u':');
    if (colon <= 0)
        return false;
    QString host = text.left(colon);
    if (host.startsWith(u'[') && host.endsWith(u']'))
        host = host.mid(1, host.size() - 2);
    else if (host.contains(u':'))
        return false;
    bool ok = false;
    const int port = text.mid(colon + 1).toInt(&ok);
    if (host.isEmpty() || !ok || port < 1 || port > 65535)
        return false;
    line.serverHost = host;
    line.serverPort = port;
    return true;
}

} // namespace

std::optional<CommandLine> parseCommandLine(const QStringList& arguments, QString* error)
{
    CommandLine line;
    QStringList words;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return CommandLine{};
        if (!argument.startsWith(QLatin1String("--")) || argument == QLatin1String("--")) {
            if (argument != QLatin1String("--"))
                words.append(argument);
            continue;
        }
        // "--name value" and "--name=value" alike.
        QString name = argument.mid(2);
        QString value;
        const qsizetype equals = name.indexOf(u'=');
        if (equals >= 0) {
            value = name.mid(equals + 1);
            name.truncate(equals);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            *error = QStringLiteral("--%1 needs a value").arg(name);
            return std::nullopt;
        }
        if (name == QLatin1String("config") && !value.isEmpty()) {
            line.configPath = value;
        } else if (name == QLatin1String("server")) {
            if (!parseServer(value, line)) {
                *error = QStringLiteral("--server needs HOST:PORT, not \"%1\"").arg(value);
                return std::nullopt;
            }
        } else if (name == QLatin1String("last")) {
            bool ok = false;
            line.lastLines = value.toInt(&ok);
            if (!ok || line.lastLines < 1) {
                *error = QStringLiteral("--last needs a number of lines above 0");
                return std::nullopt;
            }
        } else if (name == QLatin1String("timeout-seconds")) {
            bool ok = false;
            line.timeoutSeconds = value.toInt(&ok);
            if (!ok || line.timeoutSeconds < 1 || line.timeoutSeconds > 3600) {
                *error = QStringLiteral("--timeout-seconds needs a number from 1 to 3600");
                return std::nullopt;
            }
        } else {
            *error = name == QLatin1String("config") ? QStringLiteral("--config needs a file name")
                                                     : QStringLiteral("unknown option --%1").arg(name);
            return std::nullopt;
        }
    }

    if (words.isEmpty()) {
        *error = QStringLiteral("no command given");
        return std::nullopt;
    }
    for (const CommandName& known : kCommands) {
        if (words.first() != QLatin1String(known.name))
            continue;
        const qsizetype expected = known.takesGroup ? 2 : 1;
        if (words.size() != expected) {
            *error = known.takesGroup ? QStringLiteral("%1 needs one group name").arg(words.first())
                                      : QStringLiteral("%1 takes no arguments").arg(words.first());
            return std::nullopt;
        }
        line.command = known.command;
        if (known.takesGroup)
            line.group = words[1];
        if (known.takesGroup && (line.group.isEmpty() || line.group.contains(u':'))) {
            *error = QStringLiteral("a group name holds no \":\" and is not empty");
            return std::nullopt;
        }
        return line;
    }
    *error = QStringLiteral("unknown command \"%1\"").arg(words.first());
    return std::nullopt;
}

QString usageText()
{
    return QStringLiteral(
        "Usage: veltaro-cli [--config FILE] [--server HOST:PORT] COMMAND\n"
        "\n"
        "Keeps the checked groups of a dynamic-DNS account pointed at this machine's address.\n"
        "\n"
        "Commands:\n"
        "  update          check the address, fetch the host list and update every checked group\n"
        "  run             stay in the foreground and update every interval, like the desktop program\n"
        "  status          show the account, the address, the interval and the groups\n"
        "  check GROUP     update GROUP from now on\n"
        "  uncheck GROUP   stop updating GROUP\n"
        "  account         set the user name and password (asked on the terminal, or two lines on\n"
        "                  standard input)\n"
        "  history         print the update history, oldest first (--last N: the newest N lines)\n"
        "\n"
        "Options:\n"
        "  --config FILE        the settings file (default: the desktop program's)\n"
        "  --server HOST:PORT   the command server (default: the built-in one)\n"
        "  -h, --help           show this text\n"
        "\n"
        "Exit status: 0 done; 1 an update failed or the account was refused; 2 usage or settings\n"
        "error; 3 the server could not be reached.\n");
}
