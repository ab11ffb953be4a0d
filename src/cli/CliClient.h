#pragma once

#include "cli/CommandLine.h"
#include "cli/ConsoleOutput.h"
#include "core/net/ServerExchange.h"

#include <functional>
#include <memory>

class Clock;
class ConsoleView;
class SingleInstance;
class UpdateClient;
struct CorePlatform;
struct Settings;

// The client as a command runs it: the engine with its settings and exchange, and the console.
class CliClient
{
public:
    // With `logClock`, every line starts with the date and time. `sink` replaces the standard streams.
    CliClient(const CommandLine& line, CorePlatform& platform, const Clock* logClock = nullptr,
              ConsoleOutput::Sink sink = {});
    ~CliClient();

    // Refuses a settings path that names something other than a file (a folder, a device, a pipe):
    // reading it could hang, and a save would replace it.
    bool checkSettingsPath();
    // Holds the settings file for this run, as the desktop program does, waiting for it at most
    // `waitMs`. False, with the reason on standard error, when another program keeps it.
    bool lockSettings(int waitMs);

    // Reads the settings file. With `needAccount`, a missing user name or password is an error.
    // False, with the reason on standard error, when the command cannot go on.
    bool loadSettings(bool needAccount);
    // Writes the settings file; false, with the reason on standard error, when it was not written.
    bool saveSettings();
    // Runs `next` once, when the exchange now running (or the next one to start) has ended.
    void afterExchange(std::function<void(ExchangeEnd)> next);
    ConsoleView& view();
    // The client's engine: its settings, commands, host list, history and schedule.
    UpdateClient& client();
    Settings& settings();
    // Writes one failure line.
    void printError(const QString& line);
    void printWarning(const QString& line);

    CorePlatform& platform;

private:
    // The view follows the engine, which ends first.
    std::unique_ptr<ConsoleView> m_view;
    std::unique_ptr<UpdateClient> m_engine;
    std::function<void(ExchangeEnd)> m_next;
    std::unique_ptr<SingleInstance> m_instance;
};

// True when the exchange reached the server and the server replied.
inline bool wasAnswered(ExchangeEnd end)
{
    return end == ExchangeEnd::Answered;
}
