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
    bool createEmpty(const QString& path, QString* error) override;
    bool writeAtomically(const QString& path, const QByteArray& content, QString* error) override;
    bool append(const QString& path, const QByteArray& content, QString* error) override;
    void removeStaleTemporaries(const QString& path) override { staleTemporariesRemoved << path; }

    QMap<QString, QByteArray> contents;
    // Files that are there but cannot be read.
    QSet<QString> unreadable;
    // Files whose owner took the write permission away (writes still succeed, as they would for root).
    QSet<QString> readOnly;
    // When set, writes fail with this reason and leave the files as they were.
    QString failWritesWith;
    int writes = 0;
    // The largest read asked for so far.
    qsizetype largestRead = 0;
    QStringList staleTemporariesRemoved;

private:
    // Whether writes fail, with the reason given in `error`.
    bool refused(QString* error) const;
};
