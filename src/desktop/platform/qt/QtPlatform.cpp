#include "desktop/platform/qt/QtPlatform.h"

#include <QCoreApplication>

#ifdef Q_OS_WIN
#include "desktop/platform/windows/RegistryLoginStart.h"
#include "desktop/platform/windows/RegistrySystemInfo.h"
#include "desktop/platform/windows/WinRegistry.h"

namespace {
WinRegistry registry;
} // namespace

QtPlatform::QtPlatform()
    : tray(QIcon(QStringLiteral(":/veltaro.png"))), systemInfo(std::make_unique<RegistrySystemInfo>(registry, files)),
      loginStart(std::make_unique<RegistryLoginStart>(registry, QCoreApplication::applicationFilePath())),
      platform{{timers, timers, messageBoxes, app, files, sockets},
               tray,
               *systemInfo,
               processes,
               browsers,
               desktop,
               *loginStart,
               network}
{}
#else
#include "desktop/platform/qt/XdgAutostart.h"

QtPlatform::QtPlatform()
    : tray(QIcon(QStringLiteral(":/veltaro.png"))), systemInfo(std::make_unique<DesktopInfoTool>()),
      loginStart(std::make_unique<XdgAutostart>(QCoreApplication::applicationFilePath())), platform{{timers, timers,
                                                                                                     messageBoxes, app,
                                                                                                     files, sockets},
                                                                                                    tray,
                                                                                                    *systemInfo,
                                                                                                    processes,
                                                                                                    browsers,
                                                                                                    desktop,
                                                                                                    *loginStart,
                                                                                                    network}
{}
#endif
