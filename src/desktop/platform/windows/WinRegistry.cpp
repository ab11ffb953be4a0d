#include "desktop/platform/windows/WinRegistry.h"

#include <windows.h>

namespace {
HKEY toHandle(std::uintptr_t key)
{
    return reinterpret_cast<HKEY>(key);
}

// The predefined roots are negative 32-bit values; a 64-bit handle carries them sign-extended.
HKEY rootHandle(std::uint32_t root)
{
    return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(static_cast<LONG>(root)));
}
} // namespace

long WinRegistry::openKey(std::uint32_t root, const QString& path, std::uint32_t accessMask, std::uintptr_t* key)
{
    HKEY opened = nullptr;
    const LONG result = RegOpenKeyExA(rootHandle(root), path.toLocal8Bit().constData(), 0, accessMask, &opened);
    if (result == ERROR_SUCCESS)
        *key = reinterpret_cast<std::uintptr_t>(opened);
    return result;
}

long WinRegistry::queryValue(std::uintptr_t key, const QString& name, std::uint32_t* type, QByteArray* data,
                             int capacity)
{
    QByteArray buffer(capacity, '\0');
    DWORD valueType = 0;
    DWORD size = static_cast<DWORD>(capacity);
    const LONG result = RegQueryValueExA(toHandle(key), name.toLocal8Bit().constData(), nullptr, &valueType,
                                         reinterpret_cast<LPBYTE>(buffer.data()), &size);
    if (result != ERROR_SUCCESS)
        return result;
    buffer.truncate(static_cast<int>(size));
    *type = valueType;
    *data = buffer;
    return ERROR_SUCCESS;
}

long WinRegistry::closeKey(std::uintptr_t key)
{
    return RegCloseKey(toHandle(key));
}

long WinRegistry::setValue(std::uint32_t root, const QString& path, const QString& name, std::uint32_t type,
                           const QByteArray& data)
{
    HKEY key = nullptr;
    LONG result = RegCreateKeyExA(rootHandle(root), path.toLocal8Bit().constData(), 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &key, nullptr);
    if (result != ERROR_SUCCESS)
        return result;
    result = RegSetValueExA(key, name.toLocal8Bit().constData(), 0, type,
                            reinterpret_cast<const BYTE*>(data.constData()), static_cast<DWORD>(data.size()));
    RegCloseKey(key);
    return result;
}

long WinRegistry::deleteValue(std::uint32_t root, const QString& path, const QString& name)
{
    HKEY key = nullptr;
    LONG result = RegOpenKeyExA(rootHandle(root), path.toLocal8Bit().constData(), 0, KEY_SET_VALUE, &key);
    if (result != ERROR_SUCCESS)
        return result;
    result = RegDeleteValueA(key, name.toLocal8Bit().constData());
    RegCloseKey(key);
    return result;
}
