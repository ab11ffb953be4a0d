#pragma once

#include "desktop/platform/windows/Registry.h"

// The Windows registry.
class WinRegistry : public Registry
{
public:
    long openKey(std::uint32_t root, const QString& path, std::uint32_t accessMask, std::uintptr_t* key) override;
    long queryValue(std::uintptr_t key, const QString& name, std::uint32_t* type, QByteArray* data,
                    int capacity) override;
    long closeKey(std::uintptr_t key) override;
    long setValue(std::uint32_t root, const QString& path, const QString& name, std::uint32_t type,
                  const QByteArray& data) override;
    long deleteValue(std::uint32_t root, const QString& path, const QString& name) override;
};
