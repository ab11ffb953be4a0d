#pragma once

#include "core/platform/Files.h"

class QtFiles : public Files
{
public:
    std::optional<QByteArray> read(const QString& path, qsizetype maxSize) override;
    std::optional<QByteArray> readEnd(const QString& path, qsizetype maxSize) override;
    bool isFile(const QString& path) const override;
    bool isReadOnly(const QString& path) const override;
    bool createEmpty(const QString& path, QString* error) override;
    bool writeAtomically(const QString& path, const QByteArray& content, QString* error) override;
    bool append(const QString& path, const QByteArray& content, QString* error) override;
    void removeStaleTemporaries(const QString& path) override;
};
