#include "CommandProcessor.h"

#include "Accounts.h"
#include "Output.h"
#include "UpdateRecords.h"

#include "core/protocol/Scrambler.h"

CommandProcessor::CommandProcessor(const Accounts& accounts, UpdateRecords& records, QString versionReply,
                                   QString newsBody)
    : m_accounts(accounts), m_records(records), m_versionReply(std::move(versionReply)), m_newsBody(std::move(newsBody))
{}

QString CommandProcessor::answer(const QString& request, const QString& peerAddress)
{
    const QStringList fields = Scrambler::upperCase(request).split(u':');
    const QString word = fields.first();
    if (word == QLatin1String("GETMYIP"))
        return QStringLiteral("GETMYIP:") + peerAddress + u':';
    if (word == QLatin1String("GETHOSTS"))
        return hostsReply(fields);
    if (word == QLatin1String("UPDATE"))
        return updateReply(fields);
    if (word == QLatin1String("CHECKVERSION"))
        return QStringLiteral("CHECKVERSION:") + m_versionReply + u':';
    if (word == QLatin1String("CHECKNEWS"))
        return QStringLiteral("CHECKNEWS:") + m_newsBody + u':';
    return QStringLiteral("ERROR:UNKNOWNCOMMAND:");
}

// GETHOSTS:U:P:
QString CommandProcessor::hostsReply(const QStringList& fields) const
{
    const Account* account = m_accounts.find(fields.value(1), fields.value(2));
    if (!account)
        return QStringLiteral("ERROR:INVALIDUSER:");
    QString reply = QStringLiteral("GETHOSTS:");
    for (const HostGroup& group : account->groups) {
        reply += u'G' + group.name + u':';
        for (const QString& host : group.hosts)
            reply += u'H' + host + u':';
    }
    return reply;
}

// UPDATE:U:P:G<group>:<address>:
QString CommandProcessor::updateReply(const QStringList& fields)
{
    const Account* account = m_accounts.find(fields.value(1), fields.value(2));
    if (!account)
        return QStringLiteral("UPDATE:ERROR:INVALIDUSER:");
    const QString groupField = fields.value(3);
    const HostGroup* group = groupField.startsWith(u'G') ? account->findGroup(groupField.mid(1)) : nullptr;
    if (!group)
        return QStringLiteral("UPDATE:ERROR:NOSUCHGROUP:");
    const QString address = fields.value(4);
    m_records.record(account->user, group->name, address);
    printLine(QStringLiteral("UPDATED %1 %2 %3").arg(account->user, group->name, address));
    return QStringLiteral("UPDATE:%1:%2:SUCCESS:").arg(group->name, address);
}
