#include "platform/fake/FakeFiles.h"

std::optional<QByteArray> FakeFiles::read(const QString& path)
{
    if (unreadable.contains(path))
        return std::nullopt;
    auto it = contents.find(path);
    if (it == contents.end())
        return std::nullopt;
    return *it;
}

bool FakeFiles::createEmpty(const QString& path, QString* error)
{
    if (!failWritesWith.isEmpty()) {
        if (error)
            *error = failWritesWith;
        return false;
    }
    contents.insert(path, QByteArray());
    return true;
}

bool FakeFiles::writeAtomically(const QString& path, const QByteArray& content, QString* error)
{
    if (!failWritesWith.isEmpty()) {
        if (error)
            *error = failWritesWith;
        return false;
    }
    ++writes;
    contents.insert(path, content);
    return true;
}
