#include "desktop/about/SystemInfo.h"

#include "desktop/platform/Platform.h"

namespace {

constexpr int kValueBufferSize = 1024;

const char* const kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const char* const kToolValue = "PATH";
const char* const kToolsFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const char* const kToolsFolderValue = "MSINFO";
const char* const kToolFile = "\\MSINFO32.EXE";

void startTool(Platform& platform, const QString& path)
{
    if (!platform.processes.start(path))
        throw SysInfoFault("cannot start " + path.toStdString());
}

// Each byte from the last to the first, in hexadecimal without leading zeros.
QString dwordText(const QByteArray& bytes)
{
    QString text = QStringLiteral("&h");
    for (auto i = bytes.size() - 1; i >= 0; --i)
        text += QString::number(static_cast<quint8>(bytes.at(i)), 16).toUpper();
    return text;
}

} // namespace

void StartSysInfo(Platform& platform)
{
    try {
        QString sysInfoPath;
        // The path found here is started as it is: a missing file fails the start.
        if (GetKeyValue(platform, Registry::HKEY_LOCAL_MACHINE_ROOT, QLatin1String(kToolKey), QLatin1String(kToolValue),
                        sysInfoPath)) {
            startTool(platform, sysInfoPath);
            return;
        }
        if (GetKeyValue(platform, Registry::HKEY_LOCAL_MACHINE_ROOT, QLatin1String(kToolsFolderKey),
                        QLatin1String(kToolsFolderValue), sysInfoPath)) {
            const QString tool = sysInfoPath + QLatin1String(kToolFile);
            if (platform.files.isFile(tool)) {
                startTool(platform, tool);
                return;
            }
        }
    } catch (const SysInfoFault&) {
    }
    platform.messageBoxes.show(QStringLiteral("System Information Is Unavailable At This Time"), platform.app.title(),
                               MsgButtons::Ok, MsgIcon::None);
}

bool GetKeyValue(Platform& platform, std::uint32_t keyRoot, const QString& keyName, const QString& subKeyRef,
                 QString& keyVal)
{
    Registry& registry = platform.registry;
    std::uintptr_t key = 0;
    // Reading is all that is needed; asking for more is refused to accounts that may not write there.
    if (registry.openKey(keyRoot, keyName, Registry::KEY_READ_ACCESS, &key) != 0) {
        keyVal.clear();
        return false;
    }

    std::uint32_t type = 0;
    QByteArray value;
    if (registry.queryValue(key, subKeyRef, &type, &value, kValueBufferSize) != 0) {
        keyVal.clear();
        registry.closeKey(key);
        return false;
    }

    if (value.isEmpty()) {
        registry.closeKey(key);
        throw SysInfoFault("empty registry value " + subKeyRef.toStdString());
    }
    // The value's own terminator.
    if (value.endsWith('\0'))
        value.chop(1);

    if (type == Registry::REG_SZ_TYPE)
        keyVal = QString::fromLocal8Bit(value);
    else if (type == Registry::REG_DWORD_TYPE)
        keyVal = dwordText(value);

    registry.closeKey(key);
    return true;
}
