#pragma once

#include "desktop/platform/Registry.h"

#include <QHash>

// The system registry. On Windows the real one; elsewhere a read-only stand-in that knows one value:
// where the desktop's system information tool lives, when one is installed, and refuses every write.
class QtRegistry : public Registry
{
public:
    long openKey(std::uint32_t root, const QString& path, std::uint32_t accessMask, std::uintptr_t* key) override;
    long queryValue(std::uintptr_t key, const QString& name, std::uint32_t* type, QByteArray* data,
                    int capacity) override;
    long closeKey(std::uintptr_t key) override;
    long setValue(std::uint32_t root, const QString& path, const QString& name, std::uint32_t type,
                  const QByteArray& data) override;
    long deleteValue(std::uint32_t root, const QString& path, const QString& name) override;

#ifndef Q_OS_WIN
private:
    // Open stand-in keys and the tool path each one answers.
    QHash<std::uintptr_t, QString> m_openKeys;
    std::uintptr_t m_nextKey = 1;
#endif
};

class QtProcessStarter : public ProcessStarter
{
public:
    bool start(const QString& path) override;
};
