#pragma once

#include "platform/Registry.h"

#include <QStringList>

class FakeRegistry : public Registry
{
public:
    long openKey(std::uint32_t, const QString&, std::uint32_t, std::uintptr_t*) override { return 2; }
    long queryValue(std::uintptr_t, const QString&, std::uint32_t*, QByteArray*, int) override { return 2; }
    long closeKey(std::uintptr_t) override { return 0; }
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
