#include "support/fakes/FakeFiles.h"

#include <algorithm>

std::optional<QByteArray> FakeFiles::read(const QString& path, qsizetype maxSize)
{
    largestRead = std::max(largestRead, maxSize);
    if (unreadable.contains(path) || !contents.contains(path))
        return std::nullopt;
    return contents.value(path).left(maxSize);
}

std::optional<QByteArray> FakeFiles::readEnd(const QString& path, qsizetype maxSize)
{
    largestRead = std::max(largestRead, maxSize);
    if (unreadable.contains(path) || !contents.contains(path))
        return std::nullopt;
    return contents.value(path).right(maxSize);
}

bool FakeFiles::createEmpty(const QString& path, QString* error)
{
    if (refused(error))
        return false;
    contents.insert(path, QByteArray());
    return true;
}

bool FakeFiles::writeAtomically(const QString& path, const QByteArray& content, QString* error)
{
    if (refused(error))
        return false;
    ++writes;
    contents.insert(path, content);
    return true;
}

bool FakeFiles::append(const QString& path, const QByteArray& content, QString* error)
{
    if (refused(error))
        return false;
    contents[path] += content;
    return true;
}

bool FakeFiles::refused(QString* error) const
{
    if (error && !failWritesWith.isEmpty())
        *error = failWritesWith;
    return !failWritesWith.isEmpty();
}
