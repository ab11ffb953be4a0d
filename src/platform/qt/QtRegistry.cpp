#include "platform/qt/QtRegistry.h"

#include <QProcess>

bool QtProcessStarter::start(const QString& path)
{
    return QProcess::startDetached(path, {});
}
