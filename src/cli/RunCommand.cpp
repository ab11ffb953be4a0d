// veltaro-cli run: the client's schedule in the foreground, for a service manager.
#include "cli/CliClient.h"
#include "cli/Commands.h"
#include "cli/ConsoleView.h"
#include "core/client/ClientEvent.h"
#include "core/client/UpdateClient.h"
#include "core/client/UpdateCycle.h"
#include "core/platform/qt/TerminationSignals.h"

#include <QCoreApplication>

int runCycle(CliClient& client, const CommandLine&)
{
    // An update from cron or a check holds the settings for a moment only; failing at once would
    // leave the service stopped for good, since its unit does not restart after a settings error.
    if (!client.lockSettings(kSettingsWaitMs) || !client.loadSettings(true) || !hasUsableAddress(client))
        return kExitUsage;
    UpdateClient& engine = client.client();
    Settings& settings = client.settings();
    engine.keepHistory();
    // An older settings file may hold no interval: the preferences dialog would show the shortest one
    // and keep it, and so does the cycle, rather than never updating again.
    if (settings.updateInterval <= 0) {
        client.printWarning(QCoreApplication::translate(
                                "Commands", "the settings hold no update interval (%1); updating every %2 minutes")
                                .arg(settings.updateInterval)
                                .arg(UpdateCycle::kShortestInterval));
        settings.updateInterval = UpdateCycle::kShortestInterval;
    }
    const QString cycle =
        settings.autoUpdate == 1
            ? QCoreApplication::translate("Commands", "updates every %1 minutes").arg(settings.updateInterval)
            : QCoreApplication::translate("Commands", "automatic updates are off");
    client.view().print(QCoreApplication::translate("Commands", "Started for %1; %2").arg(settings.userName, cycle));
    engine.report({ClientEvent::Kind::Started, QString(), QString(), QString()});

    bool stopped = false;
    const auto stop = [&client, &engine, &stopped](int exitStatus) {
        if (std::exchange(stopped, true))
            return;
        engine.scheduler().stop();
        client.client().report({ClientEvent::Kind::Ended, QString(), QString(), QString()});
        const bool saved = client.saveSettings();
        if (exitStatus == kExitFailed)
            client.printError(QCoreApplication::translate("Commands",
                                                          "Stopped: the server refused the account; set it again with "
                                                          "\"veltaro-cli account\""));
        else
            client.view().print(saved ? QCoreApplication::translate("Commands", "Stopped; settings saved")
                                      : QCoreApplication::translate("Commands", "Stopped"));
        QCoreApplication::exit(exitStatus);
    };
    // Starting again does not cure a refused account: the service ends as failed, for its manager
    // to show.
    QObject::connect(&engine, &UpdateClient::listAnswered, [&stop](bool accepted) {
        if (!accepted)
            stop(kExitFailed);
    });
    onTerminationSignals([&stop] { stop(kExitDone); });
    if (settings.useStaticIP)
        client.view().noticeFixedAddress();
    engine.scheduler().start();
    return QCoreApplication::exec();
}
