#pragma once

#include <QString>
#include <QStringList>

class Accounts;
class UpdateRecords;

// Turns one plain request into its plain reply. Knows nothing of sockets or scrambling.
class CommandProcessor
{
public:
    CommandProcessor(const Accounts& accounts, UpdateRecords& records, QString versionReply, QString newsBody);

    // The request as unscrambled ("GETMYIP:U:P:"); peerAddress is where the connection came from.
    QString answer(const QString& request, const QString& peerAddress);

private:
    QString hostsReply(const QStringList& fields) const;
    QString updateReply(const QStringList& fields);

    const Accounts& m_accounts;
    UpdateRecords& m_records;
    QString m_versionReply;
    QString m_newsBody;
};
