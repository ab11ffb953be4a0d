#pragma once

#include "desktop/platform/Registry.h"

#include <QMap>
#include <QStringList>

#include <vector>

// A registry held in memory: keys with values of any type and raw bytes. Paths and names match without
// regard to case, as in the real one.
class FakeRegistry : public Registry
{
public:
    static constexpr long kNotFound = 2;
    static constexpr long kInvalidHandle = 6;
    static constexpr long kMoreData = 234;

    long openKey(std::uint32_t root, const QString& path, std::uint32_t accessMask, std::uintptr_t* key) override;
    long queryValue(std::uintptr_t key, const QString& name, std::uint32_t* type, QByteArray* data,
                    int capacity) override;
    long closeKey(std::uintptr_t key) override;
    long setValue(std::uint32_t root, const QString& path, const QString& name, std::uint32_t type,
                  const QByteArray& data) override;
    long deleteValue(std::uint32_t root, const QString& path, const QString& name) override;

    // Keys opened and not yet closed.
    int openKeyCount() const { return static_cast<int>(m_open.size()); }

    // When not 0, every opening is refused with this error (5 = access denied).
    long refuseOpenWith = 0;
    // When not 0, every write and removal is refused with this error.
    long refuseWritesWith = 0;
    // The access mask of every opening asked for, in order.
    std::vector<std::uint32_t> accessMasks;

private:
    struct Value
    {
        std::uint32_t type = 0;
        QByteArray data;
    };
    static QString keyId(std::uint32_t root, const QString& path);

    QMap<QString, QMap<QString, Value>> m_keys;
    QMap<std::uintptr_t, QString> m_open;
    std::uintptr_t m_nextHandle = 0x100;
};

// Records the programs it is asked to start.
class FakeProcessStarter : public ProcessStarter
{
public:
    bool start(const QString& path) override;

    QStringList started;
    // False: every start fails, as for a path that names no program.
    bool startable = true;
};
