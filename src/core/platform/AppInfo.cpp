#include "core/platform/AppInfo.h"

QString AppInfo::versionText() const
{
    return QStringLiteral("%1.%2.%3").arg(versionMajor()).arg(versionMinor()).arg(versionRevision());
}

QString AppInfo::configPath() const
{
    return programFolder() + QStringLiteral("/DNS.conf");
}
