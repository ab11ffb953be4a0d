#include "state/UpdateHistory.h"

#include "platform/Files.h"
#include "state/ConfigFile.h"

namespace {

// Far beyond kMostLines lines of any length the program writes.
constexpr qsizetype kLongestFile = 4 * 1024 * 1024;
const QString kFailedPrefix = QStringLiteral("failed: ");

// A field never breaks its line nor its columns, whatever a server sent.
QString field(QString text)
{
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    return text;
}

QString eventWord(ClientEvent::Kind kind)
{
    switch (kind) {
    case ClientEvent::Kind::Started:
        return QStringLiteral("START");
    case ClientEvent::Kind::Ended:
        return QStringLiteral("END");
    case ClientEvent::Kind::NewAddress:
        return QStringLiteral("ADDRESS");
    case ClientEvent::Kind::GroupUpdated:
    case ClientEvent::Kind::GroupFailed:
        return QStringLiteral("UPDATE");
    case ClientEvent::Kind::Failure:
        return QStringLiteral("FAILURE");
    }
    return QString();
}

QString resultOf(const ClientEvent& event)
{
    switch (event.kind) {
    case ClientEvent::Kind::GroupUpdated:
        return QStringLiteral("ok");
    case ClientEvent::Kind::GroupFailed:
    case ClientEvent::Kind::Failure:
        return kFailedPrefix + event.reason;
    case ClientEvent::Kind::NewAddress:
        return QStringLiteral("new address");
    default:
        return event.reason;
    }
}

QStringList linesOf(const QByteArray& content)
{
    QStringList lines = QString::fromUtf8(content).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

UpdateHistory::UpdateHistory(Files& files, const QString& settingsPath)
    : m_files(files), m_path(Common_Functions::besideConfig(settingsPath, QStringLiteral("history.log")))
{}

QString UpdateHistory::lineOf(const ClientEvent& event, const QDateTime& when)
{
    return QStringList{when.toUTC().toString(Qt::ISODate), eventWord(event.kind), field(event.group),
                       field(event.address), field(resultOf(event))}
        .join(QLatin1Char('\t'));
}

std::optional<UpdateHistory::Entry> UpdateHistory::entryOf(const QString& line)
{
    const QStringList fields = line.split(QLatin1Char('\t'));
    if (fields.size() != 5)
        return std::nullopt;
    QDateTime when = QDateTime::fromString(fields[0], Qt::ISODate);
    if (!when.isValid())
        return std::nullopt;
    return Entry{when, fields[1], fields[2], fields[3], fields[4], fields[4].startsWith(kFailedPrefix)};
}

bool UpdateHistory::record(const ClientEvent& event, const QDateTime& when)
{
    if (m_lines < 0)
        m_lines = linesOf(m_files.read(m_path, kLongestFile).value_or(QByteArray())).size();
    if (!m_files.append(m_path, (lineOf(event, when) + QLatin1Char('\n')).toUtf8(), nullptr))
        return false;
    if (++m_lines > kMostLines)
        keepWithinBound();
    return true;
}

void UpdateHistory::keepWithinBound()
{
    const std::optional<QByteArray> content = m_files.read(m_path, kLongestFile);
    if (!content)
        return;
    const QStringList lines = linesOf(*content);
    const QStringList kept = lines.mid(std::max<qsizetype>(0, lines.size() - kKeptLines));
    if (m_files.writeAtomically(m_path, (kept.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8(), nullptr))
        m_lines = kept.size();
}

QList<UpdateHistory::Entry> UpdateHistory::entries() const
{
    QList<Entry> result;
    for (const QString& line : linesOf(m_files.read(m_path, kLongestFile).value_or(QByteArray()))) {
        if (const std::optional<Entry> entry = entryOf(line))
            result.append(*entry);
    }
    return result;
}
