#include "core/settings/ProgramOptions.h"

#include "core/platform/Files.h"
#include "core/settings/ConfigFile.h"

#include <QStringList>

namespace {
constexpr qsizetype kLongestFile = 4096;
const QString kNotifications = QStringLiteral("notifications");
} // namespace

QString ProgramOptions::pathFor(const QString& settingsPath)
{
    return ConfigFile::besidePath(settingsPath, QStringLiteral("options.conf"));
}

ProgramOptions ProgramOptions::load(Files& files, const QString& settingsPath)
{
    ProgramOptions options;
    const QByteArray content = files.read(pathFor(settingsPath), kLongestFile).value_or(QByteArray());
    for (const QString& line : QString::fromUtf8(content).split(QLatin1Char('\n'))) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0 || line.left(equals).trimmed() != kNotifications)
            continue;
        const QString value = line.mid(equals + 1).trimmed();
        if (value == QLatin1String("0") || value == QLatin1String("1"))
            options.notifications = value == QLatin1String("1");
    }
    return options;
}

bool ProgramOptions::save(Files& files, const QString& settingsPath, QString* error) const
{
    const QString content =
        kNotifications + QLatin1Char('=') + QLatin1Char(notifications ? '1' : '0') + QLatin1Char('\n');
    return files.writeAtomically(pathFor(settingsPath), content.toUtf8(), error);
}
