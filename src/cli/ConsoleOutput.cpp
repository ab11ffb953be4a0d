#include "cli/ConsoleOutput.h"

#include "core/platform/Clock.h"
#include "core/protocol/SafeText.h"
#include "core/settings/ConfigFile.h"

#include <QDateTime>

#include <cstdio>
#include <sys/stat.h>

namespace {

// systemd names the journal's stream as "device:inode" in JOURNAL_STREAM.
bool isJournal(FILE* stream)
{
    const QByteArray named = qgetenv("JOURNAL_STREAM");
    struct stat status = {};
    if (named.isEmpty() || ::fstat(fileno(stream), &status) != 0)
        return false;
    return named == QByteArray::number(quint64(status.st_dev)) + ':' + QByteArray::number(quint64(status.st_ino));
}

const char* priorityOf(ConsoleOutput::Level level)
{
    switch (level) {
    case ConsoleOutput::Level::Error:
        return "<3>";
    case ConsoleOutput::Level::Warning:
        return "<4>";
    case ConsoleOutput::Level::Info:
        break;
    }
    return "<6>";
}

// ISO 8601 with the zone's offset, whatever the locale.
QString timeOf(const QDateTime& when)
{
    return when.toOffsetFromUtc(when.offsetFromUtc()).toString(Qt::ISODate);
}

// Tabs separate the history's columns; every other control character is the server's doing.
QString printable(const QString& text)
{
    return SafeText::withControlCharactersAsSpaces(text, true);
}

} // namespace

ConsoleOutput::ConsoleOutput(const Clock* clock, Sink sink)
    : m_clock(clock), m_sink(std::move(sink)), m_stdoutIsJournal(isJournal(stdout)),
      m_stderrIsJournal(isJournal(stderr))
{}

void ConsoleOutput::write(Level level, const QString& line)
{
    QString text = printable(line);
    FILE* stream = level == Level::Info ? stdout : stderr;
    const bool journal = stream == stdout ? m_stdoutIsJournal : m_stderrIsJournal;
    if (journal)
        text.prepend(QLatin1String(priorityOf(level)));
    else if (m_clock != nullptr)
        text.prepend(timeOf(m_clock->now()) + QLatin1Char(' '));
    if (m_sink) {
        m_sink(level, text);
        return;
    }
    // A line per event, seen at once by whoever follows the log.
    std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stream);
}

void ConsoleOutput::printError(const QString& line)
{
    std::fprintf(stderr, "veltaro-cli: %s\n", printable(line).toLocal8Bit().constData());
    std::fflush(stderr);
}
