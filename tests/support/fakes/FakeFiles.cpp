#include "support/fakes/FakeFiles.h"

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

bool FakeFiles::store(const QString& path, const QByteArray& content, QString* error)
{
    if (error && !failWritesWith.isEmpty())
        *error = failWritesWith;
    if (!failWritesWith.isEmpty())
        return false;
    contents.insert(path, content);
    return true;
}
