#include "Accounts.h"
#include "CommandProcessor.h"
#include "CommandServer.h"
#include "Output.h"
#include "ServerOptions.h"
#include "UpdateRecords.h"
#include "WebServer.h"
#include "core/platform/qt/TerminationSignals.h"

#include "BuildConfig.h"

#include <QCoreApplication>

namespace {
constexpr int kUsageError = 2;
constexpr int kListenError = 3;
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("veltaro-server"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(BuildConfig::version));
    onTerminationSignals([] { QCoreApplication::quit(); });

    QString error;
    const std::optional<ServerOptions> options = parseServerOptions(QCoreApplication::arguments(), &error);
    if (!options) {
        printError(QStringLiteral("veltaro-server: ") + error);
        return kUsageError;
    }
    std::optional<Accounts> accounts =
        options->accountsFile.isEmpty() ? Accounts::demo() : Accounts::load(options->accountsFile, &error);
    if (!accounts) {
        printError(QStringLiteral("veltaro-server: ") + error);
        return kUsageError;
    }

    UpdateRecords records(options->recordsFile);
    CommandProcessor processor(*accounts, records, options->versionReply, options->newsBody);
    CommandServer commandServer(processor, options->misbehaviour);
    if (!commandServer.listen(options->address, options->commandPort)) {
        printError(QStringLiteral("veltaro-server: command port: ") + commandServer.errorString());
        return kListenError;
    }
    WebServer webServer;
    if (!webServer.listen(options->address, options->httpPort, &error)) {
        printError(QStringLiteral("veltaro-server: web port: ") + error);
        return kListenError;
    }
    // The extra port lets news addresses do without a port number; a privileged one may not bind.
    if (options->httpExtraPort && !webServer.listen(options->address, *options->httpExtraPort, &error))
        printError(
            QStringLiteral("veltaro-server: extra web port %1 not served: %2").arg(*options->httpExtraPort).arg(error));

    printLine(QStringLiteral("LISTENING command=%1 http=%2").arg(commandServer.port()).arg(webServer.port()));
    return QCoreApplication::exec();
}
