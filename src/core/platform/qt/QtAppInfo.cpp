#include "core/platform/qt/QtAppInfo.h"

#include "BuildConfig.h"

#include <QCoreApplication>

#include <cstdio>

QString QtAppInfo::programFolder() const
{
    return QCoreApplication::applicationDirPath();
}

QString QtAppInfo::configPath() const
{
    return settingsLocation().path;
}

QString QtAppInfo::configStartingPoint() const
{
    return settingsLocation().startingPoint;
}

const SettingsLocation& QtAppInfo::settingsLocation() const
{
    if (!m_settings)
        m_settings = locateSettings(programFolder());
    return *m_settings;
}

QString QtAppInfo::title() const
{
    return QStringLiteral("Veltaro");
}

int QtAppInfo::versionMajor() const
{
    return BuildConfig::versionMajor;
}

int QtAppInfo::versionMinor() const
{
    return BuildConfig::versionMinor;
}

int QtAppInfo::versionRevision() const
{
    return BuildConfig::versionRevision;
}

void QtAppInfo::quit()
{
    QCoreApplication::exit(0);
}

void QtAppInfo::printError(const QString& line)
{
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}
