#pragma once

#include "core/platform/AppInfo.h"
#include "core/platform/qt/SettingsLocation.h"

#include <optional>

class QtAppInfo : public AppInfo
{
public:
    QString programFolder() const override;
    // Chosen once, at the first call: the folder's permissions do not move the file during a run.
    QString configPath() const override;
    QString configStartingPoint() const override;
    QString title() const override;
    int versionMajor() const override;
    int versionMinor() const override;
    int versionRevision() const override;
    void quit() override;
    void printError(const QString& line) override;

private:
    const SettingsLocation& settingsLocation() const;

    mutable std::optional<SettingsLocation> m_settings;
};
