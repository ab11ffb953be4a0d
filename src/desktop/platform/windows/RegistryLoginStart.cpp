#include "desktop/platform/windows/RegistryLoginStart.h"

#include <QCoreApplication>
#include <QDir>

namespace {

const QString kRunKey = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run");
const QString kValueName = QStringLiteral("Veltaro");
constexpr long kNotFound = 2;
constexpr int kLongestCommand = 2048;

} // namespace

RegistryLoginStart::RegistryLoginStart(Registry& registry, const QString& programPath)
    : m_registry(registry),
      // Quoted: the usual program folder has a space in its name.
      m_command(QLatin1Char('"') + QDir::toNativeSeparators(programPath) + QLatin1Char('"'))
{}

bool RegistryLoginStart::isEnabled() const
{
    std::uintptr_t key = 0;
    if (m_registry.openKey(Registry::HKEY_CURRENT_USER_ROOT, kRunKey, Registry::KEY_READ_ACCESS, &key) != 0)
        return false;
    std::uint32_t type = 0;
    QByteArray data;
    const bool found = m_registry.queryValue(key, kValueName, &type, &data, kLongestCommand) == 0;
    m_registry.closeKey(key);
    return found;
}

bool RegistryLoginStart::setEnabled(bool enabled, QString* error)
{
    const long result = enabled ? m_registry.setValue(Registry::HKEY_CURRENT_USER_ROOT, kRunKey, kValueName,
                                                      Registry::REG_SZ_TYPE, m_command.toLocal8Bit() + '\0')
                                : m_registry.deleteValue(Registry::HKEY_CURRENT_USER_ROOT, kRunKey, kValueName);
    // Nothing to remove is as good as removed.
    if (result == 0 || (!enabled && result == kNotFound))
        return true;
    if (error)
        *error =
            QCoreApplication::translate("RegistryLoginStart", "the registry refused the change (error %1)").arg(result);
    return false;
}
