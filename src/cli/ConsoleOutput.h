#pragma once

#include <QString>

#include <functional>

class Clock;

// Where veltaro-cli's lines go: results to standard output, warnings and failures to standard error,
// so that a cron job that throws the output away still mails the failures. Text from the server is
// printed with its control characters replaced, so a reply never drives the terminal.
class ConsoleOutput
{
public:
    enum class Level
    {
        Info,
        Warning,
        Error
    };
    using Sink = std::function<void(Level, const QString&)>;

    // With a clock, each line starts with its time, as a log's lines do, unless the line goes to the
    // journal, which keeps its own; there each line starts with its syslog priority instead. `sink`
    // takes the finished lines in place of the standard streams.
    explicit ConsoleOutput(const Clock* clock = nullptr, Sink sink = {});

    void info(const QString& line) { write(Level::Info, line); }
    void warning(const QString& line) { write(Level::Warning, line); }
    void error(const QString& line) { write(Level::Error, line); }
    void write(Level level, const QString& line);

    // A usage or settings error before any command ran, named after the program.
    static void printError(const QString& line);

private:
    const Clock* m_clock;
    Sink m_sink;
    bool m_stdoutIsJournal;
    bool m_stderrIsJournal;
};
