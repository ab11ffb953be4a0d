#include "desktop/platform/qt/XdgAutostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QString kEntryName = QStringLiteral("veltaro.desktop");

// A path as an Exec argument: quoted, with the characters the entry format reserves escaped.
QString execArgument(QString path)
{
    for (const char* reserved : {"\\", "\"", "`", "$"})
        path.replace(QLatin1String(reserved), QLatin1String("\\") + QLatin1String(reserved));
    path.replace(QLatin1String("%"), QLatin1String("%%"));
    return QLatin1Char('"') + path + QLatin1Char('"');
}

} // namespace

XdgAutostart::XdgAutostart(const QString& programPath, QString folder)
    : m_programPath(programPath), m_folder(std::move(folder))
{}

QString XdgAutostart::entryPath() const
{
    const QString folder = m_folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::ConfigLocation) +
                                                    QStringLiteral("/autostart")
                                              : m_folder;
    return folder + QLatin1Char('/') + kEntryName;
}

bool XdgAutostart::isEnabled() const
{
    return QFile::exists(entryPath());
}

bool XdgAutostart::setEnabled(bool enabled, QString* error)
{
    const QString path = entryPath();
    if (!enabled) {
        QFile entry(path);
        if (!entry.exists() || entry.remove())
            return true;
        if (error)
            *error = entry.errorString();
        return false;
    }
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile entry(path);
    if (entry.open(QIODevice::WriteOnly)) {
        entry.write(QStringLiteral("[Desktop Entry]\n"
                                   "Type=Application\n"
                                   "Name=Veltaro\n"
                                   "Comment=Keeps your host names pointed at this machine\n"
                                   "Exec=%1\n"
                                   "Icon=veltaro\n"
                                   "Terminal=false\n"
                                   "X-GNOME-Autostart-enabled=true\n")
                        .arg(execArgument(m_programPath))
                        .toUtf8());
        if (entry.commit())
            return true;
    }
    if (error)
        *error = entry.errorString();
    return false;
}
