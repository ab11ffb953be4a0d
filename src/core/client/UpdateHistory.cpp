#include "core/client/UpdateHistory.h"

#include "core/platform/Files.h"
#include "core/protocol/FailureReasons.h"
#include "core/protocol/SafeText.h"
#include "core/settings/ConfigFile.h"

#include <QCoreApplication>

namespace {

// Far beyond kMostLines lines of the longest fields; a file that is longer is read from its end.
constexpr qsizetype kLongestFile = 4 * 1024 * 1024;
// Group names and results come from the server: cut, they keep the lines within kLongestFile.
constexpr qsizetype kLongestField = 160;
const QString kFailedPrefix = QStringLiteral("failed: ");

// A field never breaks its line nor its columns, nor outgrows its share of the file, whatever a server sent.
QString field(QString text)
{
    text.truncate(kLongestField);
    return SafeText::withControlCharactersAsSpaces(text);
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

struct FileEnd
{
    QStringList lines;
    // The file was longer than what was read; its first line read may be part of one.
    bool cut = false;
};

FileEnd endOf(Files& files, const QString& path)
{
    const QByteArray content = files.readEnd(path, kLongestFile).value_or(QByteArray());
    FileEnd end{QString::fromUtf8(content).split(QLatin1Char('\n')), content.size() == kLongestFile};
    if (end.lines.last().isEmpty())
        end.lines.removeLast();
    if (end.cut && !end.lines.isEmpty())
        end.lines.removeFirst();
    return end;
}

} // namespace

UpdateHistory::UpdateHistory(Files& files, const QString& settingsPath)
    : m_files(files), m_path(ConfigFile::besidePath(settingsPath, QStringLiteral("history.log")))
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

QString UpdateHistory::shownResult(const Entry& entry)
{
    if (entry.failed) {
        return QCoreApplication::translate("UpdateHistory", "failed: %1")
            .arg(FailureReasons::shown(entry.result.sliced(kFailedPrefix.size())));
    }
    if (entry.result == QLatin1String("ok"))
        return QCoreApplication::translate("UpdateHistory", "ok");
    if (entry.result == QLatin1String("new address"))
        return QCoreApplication::translate("UpdateHistory", "new address");
    return entry.result;
}

bool UpdateHistory::record(const ClientEvent& event, const QDateTime& when)
{
    if (m_lines < 0) {
        // A rewrite killed half-way leaves its temporary file beside the history.
        m_files.removeStaleTemporaries(m_path);
        const FileEnd end = endOf(m_files, m_path);
        // A file past kLongestFile holds more than kMostLines: the next line brings the rewrite.
        m_lines = end.cut ? kMostLines : end.lines.size();
    }
    if (!m_files.append(m_path, (lineOf(event, when) + QLatin1Char('\n')).toUtf8(), nullptr))
        return false;
    if (++m_lines > kMostLines)
        keepWithinBound();
    return true;
}

void UpdateHistory::keepWithinBound()
{
    const QStringList lines = endOf(m_files, m_path).lines;
    if (lines.isEmpty())
        return;
    const QStringList kept = lines.mid(std::max<qsizetype>(0, lines.size() - kKeptLines));
    if (m_files.writeAtomically(m_path, (kept.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8(), nullptr))
        m_lines = kept.size();
}

QList<UpdateHistory::Entry> UpdateHistory::entries() const
{
    QList<Entry> result;
    for (const QString& line : endOf(m_files, m_path).lines) {
        if (const std::optional<Entry> entry = entryOf(line))
            result.append(*entry);
    }
    return result;
}
