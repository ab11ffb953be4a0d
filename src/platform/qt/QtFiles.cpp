#include "platform/qt/QtFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {
constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}
} // namespace

std::optional<QByteArray> QtFiles::read(const QString& path, qsizetype maxSize)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(maxSize);
}

bool QtFiles::isFile(const QString& path) const
{
    return QFileInfo(path).isFile();
}

bool QtFiles::createEmpty(const QString& path, QString* error)
{
    // Created owner-only from the start; an existing file is never truncated.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kOwnerOnly)) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}

bool QtFiles::writeAtomically(const QString& path, const QByteArray& content, QString* error)
{
    // The temporary file is created owner-only beside the target, so the rename stays on one disk.
    QTemporaryFile temp(path + QStringLiteral(".XXXXXX"));
    temp.setAutoRemove(true);
    if (!temp.open()) {
        setError(error, temp.errorString());
        return false;
    }
    temp.setPermissions(kOwnerOnly);
    if (temp.write(content) != content.size() || !temp.flush()) {
        setError(error, temp.errorString());
        return false;
    }
    if (::fsync(temp.handle()) != 0) {
        setError(error, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    temp.close();
    const QByteArray from = QFile::encodeName(temp.fileName());
    const QByteArray to = QFile::encodeName(path);
    if (std::rename(from.constData(), to.constData()) != 0) {
        setError(error, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    temp.setAutoRemove(false);
    return true;
}
