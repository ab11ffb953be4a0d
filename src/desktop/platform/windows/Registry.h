#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// The system registry, in the shape of the Windows calls. Results are Windows error codes (0 = success).
class Registry
{
public:
    static constexpr std::uint32_t HKEY_CURRENT_USER_ROOT = 0x80000001u;
    static constexpr std::uint32_t HKEY_LOCAL_MACHINE_ROOT = 0x80000002u;
    static constexpr std::uint32_t KEY_READ_ACCESS = 0x20019u;
    static constexpr std::uint32_t REG_SZ_TYPE = 1;
    static constexpr std::uint32_t REG_DWORD_TYPE = 4;

    virtual ~Registry() = default;

    virtual long openKey(std::uint32_t root, const QString& path, std::uint32_t accessMask, std::uintptr_t* key) = 0;
    // Reads at most `capacity` bytes of the value into `data`, with its type.
    virtual long queryValue(std::uintptr_t key, const QString& name, std::uint32_t* type, QByteArray* data,
                            int capacity) = 0;
    virtual long closeKey(std::uintptr_t key) = 0;
    // Writes a value, making its key when it is missing.
    virtual long setValue(std::uint32_t root, const QString& path, const QString& name, std::uint32_t type,
                          const QByteArray& data) = 0;
    virtual long deleteValue(std::uint32_t root, const QString& path, const QString& name) = 0;
};
