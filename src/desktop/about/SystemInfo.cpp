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
        throw SystemInfoFault("cannot start " + path.toStdString());
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

void startSystemInfo(Platform& platform)
{
    try {
        QString toolPath;
        // The path found here is started as it is: a missing file fails the start.
        if (readKeyValue(platform, Registry::HKEY_LOCAL_MACHINE_ROOT, QLatin1String(kToolKey),
                         QLatin1String(kToolValue), toolPath)) {
            startTool(platform, toolPath);
            return;
        }
        if (readKeyValue(platform, Registry::HKEY_LOCAL_MACHINE_ROOT, QLatin1String(kToolsFolderKey),
                         QLatin1String(kToolsFolderValue), toolPath)) {
            const QString tool = toolPath + QLatin1String(kToolFile);
            if (platform.files.isFile(tool)) {
                startTool(platform, tool);
                return;
            }
        }
    } catch (const SystemInfoFault&) {
    }
    platform.messageBoxes.show(QStringLiteral("System Information Is Unavailable At This Time"), platform.app.title(),
                               MsgButtons::Ok, MsgIcon::None);
}

bool readKeyValue(Platform& platform, std::uint32_t root, const QString& keyName, const QString& valueName,
                  QString& text)
{
    Registry& registry = platform.registry;
    std::uintptr_t key = 0;
    // Reading is all that is needed; asking for more is refused to accounts that may not write there.
    if (registry.openKey(root, keyName, Registry::KEY_READ_ACCESS, &key) != 0) {
        text.clear();
        return false;
    }

    std::uint32_t type = 0;
    QByteArray value;
    if (registry.queryValue(key, valueName, &type, &value, kValueBufferSize) != 0) {
        text.clear();
        registry.closeKey(key);
        return false;
    }

    if (value.isEmpty()) {
        registry.closeKey(key);
        throw SystemInfoFault("empty registry value " + valueName.toStdString());
    }
    // The value's own terminator.
    if (value.endsWith('\0'))
        value.chop(1);

    if (type == Registry::REG_SZ_TYPE)
        text = QString::fromLocal8Bit(value);
    else if (type == Registry::REG_DWORD_TYPE)
        text = dwordText(value);

    registry.closeKey(key);
    return true;
}
