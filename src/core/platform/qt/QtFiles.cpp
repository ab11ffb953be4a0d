#include "core/platform/qt/QtFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
// As many links as the system itself follows before it gives up.
constexpr int kMaxLinkDepth = 40;
// QTemporaryFile puts six letters in place of the Xs.
const QString kTemporarySuffix = QStringLiteral(".XXXXXX");
const QString kTemporaryPattern = QStringLiteral("\\.[A-Za-z]{6}");

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// Where the content lives: a symbolic link is followed to its target, which need not exist yet.
// Empty when the links go round in a circle.
QString contentPath(const QString& path)
{
    QString current = path;
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        const QFileInfo info(current);
        if (!info.isSymLink())
            return current;
        current = info.symLinkTarget();
    }
    return QString();
}
} // namespace

std::optional<QByteArray> QtFiles::read(const QString& path, qsizetype maxSize)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(maxSize);
}

std::optional<QByteArray> QtFiles::readEnd(const QString& path, qsizetype maxSize)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > maxSize && !file.seek(file.size() - maxSize))
        return std::nullopt;
    return file.read(maxSize);
}

bool QtFiles::isFile(const QString& path) const
{
    return QFileInfo(path).isFile();
}

bool QtFiles::isReadOnly(const QString& path) const
{
    const QFileInfo info(path);
    return info.exists() && !info.permission(QFileDevice::WriteOwner);
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
    // Replacing a link would leave its target stale: the target is what gets replaced.
    const QString target = contentPath(path);
    if (target.isEmpty()) {
        setError(error, QString::fromLocal8Bit(std::strerror(ELOOP)));
        return false;
    }
    // The temporary file is created owner-only beside the target, so the rename stays on one disk.
    QTemporaryFile temp(target + kTemporarySuffix);
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
    const QByteArray to = QFile::encodeName(target);
    if (std::rename(from.constData(), to.constData()) != 0) {
        setError(error, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    temp.setAutoRemove(false);
    return true;
}

void QtFiles::removeStaleTemporaries(const QString& path)
{
    const QString target = contentPath(path);
    if (target.isEmpty())
        return;
    const QFileInfo info(target);
    const QRegularExpression ours(
        QRegularExpression::anchoredPattern(QRegularExpression::escape(info.fileName()) + kTemporaryPattern));
    const QDir folder = info.absoluteDir();
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!ours.match(name).hasMatch())
            continue;
        // A link, or a file of someone else's, of that name is not one we left.
        const QByteArray leftover = QFile::encodeName(folder.filePath(name));
        struct stat status
        {
        };
        if (::lstat(leftover.constData(), &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid())
            ::unlink(leftover.constData());
    }
}

bool QtFiles::append(const QString& path, const QByteArray& content, QString* error)
{
    // A new file is owner-only from the moment it is made.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append, kOwnerOnly)) {
        setError(error, file.errorString());
        return false;
    }
    if (file.write(content) != content.size() || !file.flush()) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}
