#include "support/fakes/FakeRegistry.h"

QString FakeRegistry::keyId(std::uint32_t root, const QString& path)
{
    return QString::number(root, 16) + QLatin1Char('\\') + path.toLower();
}

long FakeRegistry::setValue(std::uint32_t root, const QString& path, const QString& name, std::uint32_t type,
                            const QByteArray& data)
{
    if (refuseWritesWith != 0)
        return refuseWritesWith;
    m_keys[keyId(root, path)].insert(name.toLower(), Value{type, data});
    return 0;
}

long FakeRegistry::deleteValue(std::uint32_t root, const QString& path, const QString& name)
{
    if (refuseWritesWith != 0)
        return refuseWritesWith;
    const auto key = m_keys.find(keyId(root, path));
    return key != m_keys.end() && key->remove(name.toLower()) ? 0 : kNotFound;
}

long FakeRegistry::openKey(std::uint32_t root, const QString& path, std::uint32_t accessMask, std::uintptr_t* key)
{
    accessMasks.push_back(accessMask);
    if (refuseOpenWith != 0)
        return refuseOpenWith;
    const QString id = keyId(root, path);
    if (!m_keys.contains(id))
        return kNotFound;
    *key = m_nextHandle++;
    m_open.insert(*key, id);
    return 0;
}

long FakeRegistry::queryValue(std::uintptr_t key, const QString& name, std::uint32_t* type, QByteArray* data,
                              int capacity)
{
    const auto open = m_open.constFind(key);
    if (open == m_open.constEnd())
        return kInvalidHandle;
    const QMap<QString, Value>& values = m_keys[*open];
    const auto value = values.constFind(name.toLower());
    if (value == values.constEnd())
        return kNotFound;
    if (value->data.size() > capacity)
        return kMoreData;
    *type = value->type;
    *data = value->data;
    return 0;
}

long FakeRegistry::closeKey(std::uintptr_t key)
{
    return m_open.remove(key) ? 0 : kInvalidHandle;
}

bool FakeProcessStarter::start(const QString& path)
{
    started.append(path);
    return startable;
}
