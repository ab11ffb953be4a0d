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

class FakeProcessStarter : public ProcessStarter
{
public:
    bool start(const QString& path) override
    {
        started.append(path);
        return startable;
    }
    QStringList started;
    bool startable = true;
};

class FakeLoginStart : public LoginStart
{
public:
    bool isEnabled() const override { return enabled; }
    bool setEnabled(bool on, QString* error) override
    {
        if (refuseWith.isEmpty())
            enabled = on;
        else
            *error = refuseWith;
        return refuseWith.isEmpty();
    }
    bool enabled = false;
    // Not empty: every change is refused with this reason.
    QString refuseWith;
};
