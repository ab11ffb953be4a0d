#include "cli/Terminal.h"

#include "core/protocol/SafeText.h"
#include "core/settings/ConfigFile.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

std::optional<QString> readLine()
{
    std::string line;
    int c = 0;
    while ((c = std::fgetc(stdin)) != EOF && c != '\n')
        line.push_back(char(c));
    if (c == EOF && line.empty())
        return std::nullopt;
    return SafeText::withoutControlCharacters(QString::fromLocal8Bit(line.c_str())).trimmed();
}

void prompt(const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

termios g_echoing{};

// Ctrl-C at the password prompt must not leave the terminal without echo.
void restoreEchoAndEnd(int signal)
{
    ::tcsetattr(STDIN_FILENO, TCSANOW, &g_echoing);
    ::_exit(128 + signal);
}

// The password is typed without echo; the terminal is put back as it was.
std::optional<QString> readHidden()
{
    const bool terminal = ::tcgetattr(STDIN_FILENO, &g_echoing) == 0;
    struct sigaction restore = {};
    struct sigaction previous[2] = {};
    if (terminal) {
        restore.sa_handler = restoreEchoAndEnd;
        ::sigaction(SIGINT, &restore, &previous[0]);
        ::sigaction(SIGTERM, &restore, &previous[1]);
        termios quiet = g_echoing;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSADRAIN, &quiet);
    }
    std::optional<QString> line = readLine();
    if (terminal) {
        ::tcsetattr(STDIN_FILENO, TCSADRAIN, &g_echoing);
        ::sigaction(SIGINT, &previous[0], nullptr);
        ::sigaction(SIGTERM, &previous[1], nullptr);
        prompt(QStringLiteral("\n"));
    }
    return line;
}

// A ":" would split the field in two on the wire.
bool isUsable(const std::optional<QString>& field)
{
    return field && !field->isEmpty() && !field->contains(u':');
}

} // namespace

std::optional<Credentials> readCredentials(QString* error)
{
    const bool terminal = ::isatty(STDIN_FILENO) != 0;
    if (terminal)
        prompt(QCoreApplication::translate("Terminal", "User name: "));
    const std::optional<QString> userName = readLine();
    if (terminal)
        prompt(QCoreApplication::translate("Terminal", "Password: "));
    const std::optional<QString> password = terminal ? readHidden() : readLine();
    if (!isUsable(userName) || !isUsable(password)) {
        *error =
            QCoreApplication::translate("Terminal", "the user name and the password must not be empty nor hold \":\"");
        return std::nullopt;
    }
    return Credentials{*userName, *password};
}
