#pragma once

#include "platform/AppInfo.h"

class QtAppInfo : public AppInfo
{
public:
    QString programFolder() const override;
    QString title() const override;
    int versionMajor() const override;
    int versionMinor() const override;
    int versionRevision() const override;
    void quit() override;
    void printError(const QString& line) override;
};
