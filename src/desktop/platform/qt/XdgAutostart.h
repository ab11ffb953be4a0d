#pragma once

#include "desktop/platform/LoginStart.h"

// Start at login as freedesktop.org desktops keep it: a desktop entry in the autostart folder.
class XdgAutostart : public LoginStart
{
public:
    // `folder` is the autostart folder; empty for the user's own (~/.config/autostart).
    XdgAutostart(const QString& programPath, QString folder = QString());

    bool isEnabled() const override;
    bool setEnabled(bool enabled, QString* error) override;

private:
    QString entryPath() const;

    QString m_programPath;
    QString m_folder;
};
