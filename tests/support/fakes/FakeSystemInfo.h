#pragma once

#include "desktop/platform/LoginStart.h"
#include "desktop/platform/SystemInfoTool.h"

#include <QStringList>

class FakeSystemInfoTool : public SystemInfoTool
{
public:
    QString path() override { return toolPath; }
    QString toolPath;
};

// Records the programs it is asked to start.
class FakeProcessStarter : public ProcessStarter
{
public:
    bool start(const QString& path) override
    {
        started.append(path);
        return startable;
    }

    QStringList started;
    // False: every start fails, as for a path that names no program.
    bool startable = true;
};

class FakeLoginStart : public LoginStart
{
public:
    bool isEnabled() const override { return enabled; }
    bool setEnabled(bool on, QString* error) override
    {
        if (!refuseWith.isEmpty()) {
            *error = refuseWith;
            return false;
        }
        enabled = on;
        return true;
    }

    bool enabled = false;
    // Not empty: every change is refused with this reason.
    QString refuseWith;
};
