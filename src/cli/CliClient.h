#pragma once

#include "cli/CliPlatform.h"
#include "cli/CommandLine.h"
#include "exchange/frmUpdate.h"
#include "state/ClientState.h"

#include <functional>

class ConsoleView;

// The client as a command runs it: the platform, the state with its exchange, the console.
class CliClient
{
public:
    // `logTimes` starts every line with the date and time.
    CliClient(const CommandLine& line, bool logTimes);

    // Reads the settings file. With `needAccount`, a missing user name or password is an error.
    // False, with the reason on standard error, when the command cannot go on.
    bool loadSettings(bool needAccount);
    // Writes the settings file; false, with the reason on standard error, when it was not written.
    bool saveSettings();

    // Runs `next` once, when the exchange now running (or the next one to start) has ended.
    void afterExchange(std::function<void(ExchangeEnd)> next);
    // Sends one update request per checked group of the last host list.
    void sendGroupUpdate();

    ConsoleView& view();
    // Writes one line to standard error.
    static void printError(const QString& line);

    CliPlatform qt;
    ClientState state;
    CorePlatform& platform = qt.platform;

private:
    std::function<void(ExchangeEnd)> m_next;
};

// True when the exchange reached the server and the server replied.
inline bool wasAnswered(ExchangeEnd end)
{
    return end == ExchangeEnd::Answered;
}
