#include "desktop/about/SystemInfo.h"

#include "desktop/platform/Platform.h"

#include <QCoreApplication>

void startSystemInfo(Platform& platform)
{
    const QString path = platform.systemInfo.path();
    // The path found is started as it is: a missing file fails the start.
    if (!path.isEmpty() && platform.processes.start(path))
        return;
    platform.messageBoxes.show(
        QCoreApplication::translate("AboutDialog", "System Information Is Unavailable At This Time"),
        platform.app.title(), MsgButtons::Ok, MsgIcon::None);
}
