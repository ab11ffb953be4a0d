#include "desktop/platform/qt/QtRegistry.h"

#include <QProcess>

#ifdef Q_OS_WIN

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

long QtRegistry::openKey(std::uint32_t root, const QString& path, std::uint32_t accessMask, std::uintptr_t* key)
{
    HKEY opened = nullptr;
    const LONG result = RegOpenKeyExA(rootHandle(root), path.toLocal8Bit().constData(), 0, accessMask, &opened);
    if (result == ERROR_SUCCESS)
        *key = reinterpret_cast<std::uintptr_t>(opened);
    return result;
}

long QtRegistry::queryValue(std::uintptr_t key, const QString& name, std::uint32_t* type, QByteArray* data,
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

long QtRegistry::closeKey(std::uintptr_t key)
{
    return RegCloseKey(toHandle(key));
}

long QtRegistry::setValue(std::uint32_t root, const QString& path, const QString& name, std::uint32_t type,
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

long QtRegistry::deleteValue(std::uint32_t root, const QString& path, const QString& name)
{
    HKEY key = nullptr;
    LONG result = RegOpenKeyExA(rootHandle(root), path.toLocal8Bit().constData(), 0, KEY_SET_VALUE, &key);
    if (result != ERROR_SUCCESS)
        return result;
    result = RegDeleteValueA(key, name.toLocal8Bit().constData());
    RegCloseKey(key);
    return result;
}

#else

#include <QStandardPaths>

namespace {

constexpr long kSuccess = 0;
constexpr long kNotFound = 2;
constexpr long kAccessDenied = 5;
constexpr long kInvalidHandle = 6;
constexpr long kMoreData = 234;

// Rights that would change the registry; the stand-in is read-only.
constexpr std::uint32_t kWriteRights = 0x0002 | 0x0004 | 0x0020 | 0x10000 | 0x40000 | 0x80000;

const char* const kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const char* const kToolValue = "PATH";

// The desktop's own system information tools, the fuller ones first.
const char* const kTools[] = {"hardinfo2", "hardinfo", "kinfocenter", "plasma-systemmonitor", "gnome-system-monitor",
                              "ksysguard"};

QString findTool()
{
    for (const char* tool : kTools) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(tool));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

} // namespace

long QtRegistry::openKey(std::uint32_t root, const QString& path, std::uint32_t accessMask, std::uintptr_t* key)
{
    if (root != HKEY_LOCAL_MACHINE_ROOT || path.compare(QLatin1String(kToolKey), Qt::CaseInsensitive) != 0)
        return kNotFound;
    // Looked up at every opening: a tool installed while the program runs is found.
    const QString tool = findTool();
    if (tool.isEmpty())
        return kNotFound;
    if (accessMask & kWriteRights)
        return kAccessDenied;
    *key = m_nextKey++;
    m_openKeys.insert(*key, tool);
    return kSuccess;
}

long QtRegistry::queryValue(std::uintptr_t key, const QString& name, std::uint32_t* type, QByteArray* data,
                            int capacity)
{
    const auto it = m_openKeys.constFind(key);
    if (it == m_openKeys.constEnd())
        return kInvalidHandle;
    if (name.compare(QLatin1String(kToolValue), Qt::CaseInsensitive) != 0)
        return kNotFound;
    const QByteArray text = it->toLocal8Bit() + '\0';
    if (text.size() > capacity)
        return kMoreData;
    *type = REG_SZ_TYPE;
    *data = text;
    return kSuccess;
}

long QtRegistry::closeKey(std::uintptr_t key)
{
    return m_openKeys.remove(key) ? kSuccess : kInvalidHandle;
}

long QtRegistry::setValue(std::uint32_t, const QString&, const QString&, std::uint32_t, const QByteArray&)
{
    return kAccessDenied;
}

long QtRegistry::deleteValue(std::uint32_t, const QString&, const QString&)
{
    return kAccessDenied;
}

#endif

bool QtProcessStarter::start(const QString& path)
{
    return QProcess::startDetached(path, {});
}
