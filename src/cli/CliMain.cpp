#include "cli/CliClient.h"
#include "cli/CliPlatform.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"
#include "core/platform/qt/Translations.h"

#include "BuildConfig.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The desktop program's name: both keep their settings in the same per-user folder.
    QCoreApplication::setApplicationName(QStringLiteral("Veltaro"));
    installTranslations();

    QString error;
    const std::optional<CommandLine> line = parseCommandLine(QCoreApplication::arguments().mid(1), &error);
    if (!line) {
        ConsoleOutput::printError(error);
        std::fprintf(stderr, "%s\n",
                     QCoreApplication::translate("CliMain", "Try \"veltaro-cli --help\".").toLocal8Bit().constData());
        return kExitUsage;
    }
    if (line->command == CommandLine::Command::Help) {
        std::fputs(usageText().toLocal8Bit().constData(), stdout);
        return kExitDone;
    }
    if (line->command == CommandLine::Command::Version) {
        std::printf("veltaro-cli %s\n", BuildConfig::version);
        return kExitDone;
    }

    CliPlatform qt(line->configPath);
    const bool logTimes = line->command == CommandLine::Command::Run;
    CliClient client(*line, qt.platform, logTimes ? &qt.timers : nullptr);
    if (!client.checkSettingsPath())
        return kExitUsage;
    switch (line->command) {
    case CommandLine::Command::Update:
        return runUpdate(client);
    case CommandLine::Command::Run:
        return runCycle(client, *line);
    case CommandLine::Command::Status:
        return runStatus(client);
    case CommandLine::Command::Check:
    case CommandLine::Command::Uncheck:
        return runCheck(client, *line);
    case CommandLine::Command::Account:
        return runAccount(client);
    case CommandLine::Command::Interval:
    case CommandLine::Command::AutoUpdate:
    case CommandLine::Command::Address:
        return runSetting(client, *line);
    case CommandLine::Command::History:
        return runHistory(client, *line);
    case CommandLine::Command::Help:
    case CommandLine::Command::Version:
        break;
    }
    return kExitDone;
}
