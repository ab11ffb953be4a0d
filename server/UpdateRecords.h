#pragma once

#include <QDateTime>
#include <QMap>
#include <QString>

#include <utility>

// The address each (account, group) was last updated to. When given a file, the whole set is
// rewritten to it after every update, so that a test or a demo can see what the client sent.
class UpdateRecords
{
public:
    // An empty path keeps the records in memory only. A given file is emptied at once.
    explicit UpdateRecords(QString filePath);

    void record(const QString& user, const QString& group, const QString& address);

private:
    struct Entry
    {
        QString address;
        QDateTime time;
    };

    void writeFile() const;

    QString m_filePath;
    QMap<std::pair<QString, QString>, Entry> m_entries;
};
