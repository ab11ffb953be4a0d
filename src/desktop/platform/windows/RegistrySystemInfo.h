#pragma once

#include "desktop/platform/SystemInfoTool.h"
#include "desktop/platform/windows/Registry.h"

class Files;

// The tool as Windows names it: the registry's MSINFO path, else MSINFO32.EXE in the shared tools
// folder the registry names, when the file is there.
class RegistrySystemInfo : public SystemInfoTool
{
public:
    RegistrySystemInfo(Registry& registry, Files& files) : m_registry(registry), m_files(files) {}

    QString path() override;

private:
    Registry& m_registry;
    Files& m_files;
};
