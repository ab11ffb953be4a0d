#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// File access for the settings file and the few existence tests the program makes.
class Files
{
public:
    virtual ~Files() = default;

    // At most `maxSize` bytes from the start of the file, or nothing when it is missing or unreadable.
    virtual std::optional<QByteArray> read(const QString& path, qsizetype maxSize) = 0;
    // At most `maxSize` bytes from the end of the file, or nothing when it is missing or unreadable.
    virtual std::optional<QByteArray> readEnd(const QString& path, qsizetype maxSize) = 0;
    virtual bool isFile(const QString& path) const = 0;
    // The file is there and its owner has taken the owner's write permission away: it is not to be replaced.
    virtual bool isReadOnly(const QString& path) const = 0;
    // Creates an empty file readable and writable by its owner only.
    virtual bool createEmpty(const QString& path, QString* error) = 0;
    // Replaces the file through a temporary file and a rename, so a failure leaves the old
    // file whole. The file is readable and writable by its owner only. A symbolic link stays
    // and its target is replaced.
    virtual bool writeAtomically(const QString& path, const QByteArray& content, QString* error) = 0;
    // Adds to the end of the file, making it readable and writable by its owner only when it is new.
    // Nothing stays open between calls.
    virtual bool append(const QString& path, const QByteArray& content, QString* error) = 0;
    // Removes the temporary files that interrupted atomic writes of `path` left beside it: only
    // regular files of this user named exactly as those are.
    virtual void removeStaleTemporaries(const QString& path) = 0;
};
