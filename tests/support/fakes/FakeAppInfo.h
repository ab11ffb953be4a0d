#pragma once

#include "core/platform/AppInfo.h"

#include <QStringList>

class FakeAppInfo : public AppInfo
{
public:
    QString programFolder() const override { return folder; }
    QString configStartingPoint() const override { return startingPoint; }
    QString title() const override { return QStringLiteral("Veltaro"); }
    int versionMajor() const override { return major; }
    int versionMinor() const override { return minor; }
    int versionRevision() const override { return revision; }
    void quit() override { ++quitCalls; }
    void printError(const QString& line) override { errorLines << line; }

    QString folder = QStringLiteral("/program");
    QString startingPoint;
    int major = 2;
    int minor = 1;
    int revision = 3;
    int quitCalls = 0;
    QStringList errorLines;
};
