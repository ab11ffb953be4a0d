#pragma once

#include "core/platform/Files.h"

#include <QMap>
#include <QSet>
#include <QStringList>

// Files held in memory; writes can be made to fail.
class FakeFiles : public Files
{
public:
    std::optional<QByteArray> read(const QString& path, qsizetype maxSize) override;
    std::optional<QByteArray> readEnd(const QString& path, qsizetype maxSize) override;
    bool isFile(const QString& path) const override { return contents.contains(path) || unreadable.contains(path); }
    bool isReadOnly(const QString& path) const override { return readOnly.contains(path) && isFile(path); }
    bool createEmpty(const QString& path, QString* error) override { return store(path, {}, error); }
    bool writeAtomically(const QString& path, const QByteArray& content, QString* error) override
    {
        writes += failWritesWith.isEmpty() ? 1 : 0;
        return store(path, content, error);
    }
    bool append(const QString& path, const QByteArray& content, QString* error) override
    {
        return store(path, contents.value(path) + content, error);
    }
    void removeStaleTemporaries(const QString& path) override { staleTemporariesRemoved << path; }

    QMap<QString, QByteArray> contents;
    // There but unreadable.
    QSet<QString> unreadable;
    // Without write permission (writes still succeed, as they would for root).
    QSet<QString> readOnly;
    // When set, writes fail with this reason and change nothing.
    QString failWritesWith;
    int writes = 0;
    qsizetype largestRead = 0;
    QStringList staleTemporariesRemoved;

private:
    bool store(const QString& path, const QByteArray& content, QString* error);
};
