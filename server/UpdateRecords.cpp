#include "UpdateRecords.h"

#include "Output.h"

#include <QSaveFile>

UpdateRecords::UpdateRecords(QString filePath) : m_filePath(std::move(filePath))
{
    writeFile();
}

void UpdateRecords::record(const QString& user, const QString& group, const QString& address)
{
    m_entries.insert({user, group}, Entry{address, QDateTime::currentDateTimeUtc()});
    writeFile();
}

// One line per record, "user group address time"; replaced whole so a reader never sees half a file.
void UpdateRecords::writeFile() const
{
    if (m_filePath.isEmpty())
        return;
    QByteArray text;
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it) {
        const QString address = it->address.isEmpty() ? QStringLiteral("-") : it->address;
        text += QStringLiteral("%1 %2 %3 %4\n")
                    .arg(it.key().first, it.key().second, address, it->time.toString(Qt::ISODate))
                    .toUtf8();
    }
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        printError(QStringLiteral("cannot write records to %1: %2").arg(m_filePath, file.errorString()));
}
