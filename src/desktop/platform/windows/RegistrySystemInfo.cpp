#include "desktop/platform/windows/RegistrySystemInfo.h"

#include "core/platform/Files.h"

#include <stdexcept>

namespace {

constexpr int kValueBufferSize = 1024;

const char* const kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const char* const kToolValue = "PATH";
const char* const kToolsFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const char* const kToolsFolderValue = "MSINFO";
const char* const kToolFile = "\\MSINFO32.EXE";

// A value that holds no bytes at all: no tool, and no looking further.
struct EmptyValue : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// Each byte from the last to the first, in hexadecimal without leading zeros.
QString dwordText(const QByteArray& bytes)
{
    QString text = QStringLiteral("&h");
    for (auto i = bytes.size() - 1; i >= 0; --i)
        text += QString::number(static_cast<quint8>(bytes.at(i)), 16).toUpper();
    return text;
}

// Reads the value `subKeyRef` of the key `keyName` under `keyRoot` as text into `keyVal`: a text value as
// it is, a 32-bit number as "&h" digits. False, with `keyVal` emptied, when the key or the value cannot be
// read; true with `keyVal` untouched for a value of another type.
bool GetKeyValue(Registry& registry, std::uint32_t keyRoot, const QString& keyName, const QString& subKeyRef,
                 QString& keyVal)
{
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
        throw EmptyValue(subKeyRef.toStdString());
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

} // namespace

QString RegistrySystemInfo::path()
{
    try {
        QString found;
        if (GetKeyValue(m_registry, Registry::HKEY_LOCAL_MACHINE_ROOT, QLatin1String(kToolKey),
                        QLatin1String(kToolValue), found))
            return found;
        if (GetKeyValue(m_registry, Registry::HKEY_LOCAL_MACHINE_ROOT, QLatin1String(kToolsFolderKey),
                        QLatin1String(kToolsFolderValue), found)) {
            const QString tool = found + QLatin1String(kToolFile);
            if (m_files.isFile(tool))
                return tool;
        }
    } catch (const EmptyValue&) {
    }
    return {};
}
