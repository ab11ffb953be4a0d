#include "platform/qt/QtAppInfo.h"

#include "BuildConfig.h"

#include <QCoreApplication>

QString QtAppInfo::programFolder() const
{
    return QCoreApplication::applicationDirPath();
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
