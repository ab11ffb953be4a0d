#pragma once

#include <QString>

// Where the system information tool that the About box starts is.
class SystemInfoTool
{
public:
    virtual ~SystemInfoTool() = default;
    // Empty when there is none.
    virtual QString path() = 0;
};

// Starts programs by their path.
class ProcessStarter
{
public:
    virtual ~ProcessStarter() = default;
    // Runs the program as a new process without waiting for it. False when it cannot be started.
    virtual bool start(const QString& path) = 0;
};
