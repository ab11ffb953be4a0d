#pragma once

#include "core/platform/AppInfo.h"

#include <QStringList>

class FakeAppInfo : public AppInfo
{
public:
    QString programFolder() const override { return QStringLiteral("/program"); }
    QString configStartingPoint() const override { return startingPoint; }
    QString title() const override { return QStringLiteral("Veltaro"); }
    int versionMajor() const override { return 2; }
    int versionMinor() const override { return 1; }
    int versionRevision() const override { return 3; }
    void quit() override { ++quitCalls; }
    void printError(const QString& line) override { errorLines << line; }

    QString startingPoint;
    int quitCalls = 0;
    QStringList errorLines;
};
