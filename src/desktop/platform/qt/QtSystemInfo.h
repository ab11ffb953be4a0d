#pragma once

#include "desktop/platform/SystemInfoTool.h"

// The desktop's own system information tool, the fuller ones first; looked up each time, so a
// tool installed while the program runs is found.
class DesktopInfoTool : public SystemInfoTool
{
public:
    QString path() override;
};

class QtProcessStarter : public ProcessStarter
{
public:
    bool start(const QString& path) override;
};
