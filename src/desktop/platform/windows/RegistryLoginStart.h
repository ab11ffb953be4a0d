#pragma once

#include "desktop/platform/LoginStart.h"
#include "desktop/platform/windows/Registry.h"

// Start at login as Windows keeps it: a value of the user's "Run" key naming the program.
class RegistryLoginStart : public LoginStart
{
public:
    RegistryLoginStart(Registry& registry, const QString& programPath);

    bool isEnabled() const override;
    bool setEnabled(bool enabled, QString* error) override;

private:
    Registry& m_registry;
    QString m_command;
};
