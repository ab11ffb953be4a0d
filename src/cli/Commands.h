#pragma once

class CliClient;
struct CommandLine;

// The exit statuses of veltaro-cli.
enum ExitStatus
{
    kExitDone = 0,
    // An update failed, or the server refused the account.
    kExitFailed = 1,
    kExitUsage = 2,
    // The server could not be reached, or did not answer in time.
    kExitUnreachable = 3
};

// How long a command that writes the settings waits for another program to let go of them.
inline constexpr int kSettingsWaitMs = 3000;

// Each command runs to its end and returns the exit status; the ones that talk to the server run
// the event loop until they are through.
int runUpdate(CliClient& client);
int runStatus(CliClient& client);
int runCheck(CliClient& client, const CommandLine& line);
int runAccount(CliClient& client);
// interval, auto-update and address: one setting changed and saved.
int runSetting(CliClient& client, const CommandLine& line);
// False, with the reason told, when the settings fix an address that no update can carry.
bool hasUsableAddress(CliClient& client);
// Prints history.log's lines, or its newest `line.lastLines`.
int runHistory(CliClient& client, const CommandLine& line);
// Stays in the foreground until SIGTERM or SIGINT.
int runCycle(CliClient& client, const CommandLine& line);
