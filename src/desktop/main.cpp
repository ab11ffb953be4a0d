#include "core/client/UpdateClient.h"
#include "core/net/ServerAddress.h"
#include "core/platform/qt/SingleInstance.h"
#include "core/platform/qt/Translations.h"
#include "desktop/DesktopWindows.h"
#include "desktop/main/MainWindow.h"
#include "desktop/platform/qt/QtPlatform.h"
#include "desktop/platform/qt/QtShutdown.h"

#include "BuildConfig.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstring>

namespace {
constexpr int kHandOverMs = 3000;
constexpr int kExitUsage = 2;
} // namespace

int main(int argc, char** argv)
{
    // Answered before the window system is reached, so that they work without a display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("veltaro %s\n", BuildConfig::version);
        return 0;
    }
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        // A core application is enough for the catalogue, and needs no display.
        QCoreApplication core(argc, argv);
        installTranslations();
        std::puts(
            QCoreApplication::translate(
                "Startup",
                "Usage: veltaro [--server HOST:PORT] | --version | --help\n\n"
                "Keeps the checked groups of a dynamic-DNS account pointed at this machine's address, from a\n"
                "window and a tray icon. The settings are in DNS.conf; veltaro-cli changes them without a desktop.\n"
                "--server names another command server than the built-in one.")
                .toLocal8Bit()
                .constData());
        return 0;
    }
    QApplication app(argc, argv);
    setUpDesktopApplication();

    QtPlatform qt;
    // Another command server than the built-in one, named as veltaro-cli takes it.
    QString problem;
    const std::optional<ServerAddress> server = serverOption(QApplication::arguments(), &problem);
    if (!problem.isEmpty()) {
        qt.app.printError(problem);
        return kExitUsage;
    }
    // A second start for the same settings shows the running program instead of racing it for
    // the file and the server.
    SingleInstance instance(qt.app.configPath());
    SingleInstance::Lock lock = instance.lock();
    // veltaro-cli's update or check holds the settings for a moment only.
    if (lock == SingleInstance::Lock::HeldElsewhere && instance.holder() == QStringLiteral("veltaro-cli"))
        lock = instance.lock(kHandOverMs);
    if (lock != SingleInstance::Lock::Taken) {
        const bool serviceHolds = instance.holder() == QStringLiteral("veltaro-cli");
        if (lock == SingleInstance::Lock::HeldElsewhere && !serviceHolds && instance.requestShow(kHandOverMs))
            return 0;
        QString text;
        if (lock == SingleInstance::Lock::Unavailable)
            text = QCoreApplication::translate(
                       "Startup", "The settings in \"%1\" cannot be locked (\"%2\"), so Veltaro does not start.")
                       .arg(qt.app.configPath(), instance.lockPath());
        else if (serviceHolds)
            text = QCoreApplication::translate(
                       "Startup", "veltaro-cli is running with the settings in \"%1\". Stop it first, for the "
                                  "service with \"systemctl --user stop veltaro-cli\".")
                       .arg(qt.app.configPath());
        else
            text = QCoreApplication::translate(
                       "Startup", "Another Veltaro is running with the settings in \"%1\" and did not answer.")
                       .arg(qt.app.configPath());
        qt.app.printError(text);
        QMessageBox::information(nullptr, qt.app.title(), text);
        return 1;
    }

    DesktopWindows windows(qt.platform);
    if (server)
        windows.client().setServer(server->host, server->port);
    MainWindow& mainWindow = windows.mainWindow();
    if (!instance.listen([&mainWindow] { mainWindow.showFromTray(); }))
        qt.app.printError(
            QCoreApplication::translate("Startup", "A later start cannot bring this window to the front: %1.")
                .arg(instance.socketPath().isEmpty()
                         ? QCoreApplication::translate("Startup", "this user has no private runtime folder")
                         : QCoreApplication::translate("Startup", "\"%1\" cannot be listened on")
                               .arg(instance.socketPath())));
    installShutdownHandlers([&mainWindow] { mainWindow.exitWithoutAsking(); });
    mainWindow.start();
    return QApplication::exec();
}
