#include "platform/qt/SettingsLocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
const QString kFileName = QStringLiteral("DNS.conf");
}

SettingsLocation locateSettings(const QString& programFolder, bool programFolderWritable, QString userFolder)
{
    // A relative XDG_CONFIG_HOME is to be ignored, as the base-directory rules say; taken as it is,
    // it would put the settings wherever the program was started from.
    if (!userFolder.isEmpty() && QDir::isRelativePath(userFolder))
        userFolder = QDir::homePath() + QStringLiteral("/.config/") + QFileInfo(userFolder).fileName();
    const QString besideProgram = programFolder + QLatin1Char('/') + kFileName;
    if (programFolderWritable || userFolder.isEmpty())
        return {besideProgram, QString()};
    if (!QFileInfo::exists(userFolder) && QDir().mkpath(userFolder))
        QFile::setPermissions(userFolder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return {userFolder + QLatin1Char('/') + kFileName, besideProgram};
}

SettingsLocation locateSettings(const QString& programFolder)
{
#ifdef Q_OS_WIN
    // The roaming profile's folder, %APPDATA%\Veltaro, follows the user from machine to machine.
    const auto userLocation = QStandardPaths::AppDataLocation;
#else
    const auto userLocation = QStandardPaths::AppConfigLocation;
#endif
    return locateSettings(programFolder, QFileInfo(programFolder).isWritable(),
                          QStandardPaths::writableLocation(userLocation));
}
