#include "desktop/platform/qt/QtSystemInfo.h"

#include <QProcess>
#include <QStandardPaths>

QString DesktopInfoTool::path()
{
    for (const char* tool :
         {"hardinfo2", "hardinfo", "kinfocenter", "plasma-systemmonitor", "gnome-system-monitor", "ksysguard"}) {
        const QString found = QStandardPaths::findExecutable(QLatin1String(tool));
        if (!found.isEmpty())
            return found;
    }
    return {};
}

bool QtProcessStarter::start(const QString& path)
{
    return QProcess::startDetached(path, {});
}
