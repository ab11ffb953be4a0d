#include "core/platform/qt/SettingsLocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace {
const QString kFileName = QStringLiteral("DNS.conf");
}

SettingsLocation locateSettings(const QString& programFolder, bool portable, QString userFolder)
{
    // A relative XDG_CONFIG_HOME is to be ignored, as the base-directory rules say; taken as it is,
    // it would put the settings wherever the program was started from.
    if (!userFolder.isEmpty() && QDir::isRelativePath(userFolder))
        userFolder = QDir::homePath() + QStringLiteral("/.config/") + QFileInfo(userFolder).fileName();
    const QString besideProgram = programFolder + QLatin1Char('/') + kFileName;
    if (portable || userFolder.isEmpty())
        return {besideProgram, QString()};
    if (!QFileInfo::exists(userFolder) && QDir().mkpath(userFolder))
        QFile::setPermissions(userFolder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return {userFolder + QLatin1Char('/') + kFileName, besideProgram};
}

bool isPortableCopy(const QString& programFolder)
{
    const QFileInfo folder(programFolder);
    if (!folder.isWritable())
        return false;
#ifdef Q_OS_WIN
    return true;
#else
    const QString path = folder.canonicalFilePath();
    const bool systemFolder = path == QLatin1String("/bin") || path == QLatin1String("/sbin") ||
                              path.startsWith(QLatin1String("/usr/")) || path.startsWith(QLatin1String("/opt/")) ||
                              path.endsWith(QLatin1String("/usr/bin")) || path.endsWith(QLatin1String("/usr/sbin")) ||
                              path.endsWith(QLatin1String("/usr/local/bin"));
    return !systemFolder && folder.ownerId() == ::geteuid();
#endif
}

SettingsLocation locateSettings(const QString& programFolder)
{
#ifdef Q_OS_WIN
    // The roaming profile's folder, %APPDATA%\Veltaro, follows the user from machine to machine.
    const auto userLocation = QStandardPaths::AppDataLocation;
#else
    const auto userLocation = QStandardPaths::AppConfigLocation;
#endif
    return locateSettings(programFolder, isPortableCopy(programFolder), QStandardPaths::writableLocation(userLocation));
}
