#include "desktop/platform/qt/QtPlatform.h"

#include "desktop/platform/RegistryLoginStart.h"
#include "desktop/platform/qt/XdgAutostart.h"

#include <QCoreApplication>

namespace {

std::unique_ptr<LoginStart> makeLoginStart([[maybe_unused]] Registry& registry)
{
    const QString program = QCoreApplication::applicationFilePath();
#ifdef Q_OS_WIN
    return std::make_unique<RegistryLoginStart>(registry, program);
#else
    return std::make_unique<XdgAutostart>(program);
#endif
}

} // namespace

QtPlatform::QtPlatform()
    : tray(QIcon(QStringLiteral(":/veltaro.png"))),
      loginStart(makeLoginStart(registry)), platform{timers,  timers,      messageBoxes, app,       files,
                                                     sockets, tray,        registry,     processes, browsers,
                                                     desktop, *loginStart, network}
{}
