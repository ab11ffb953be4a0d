#pragma once

#include "core/client/ClientEvent.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

class Files;

// The history file, "history.log" beside the settings: one line an event, appended, tab-separated
// (UTC time, event, group, address, result). Once it passes kMostLines it is rewritten, atomically,
// with its last kKeptLines. Nothing is held open between events.
class UpdateHistory
{
public:
    static constexpr int kKeptLines = 2000;
    static constexpr int kMostLines = 2500;

    struct Entry
    {
        QDateTime when;
        QString event;
        QString group;
        QString address;
        QString result;
        bool failed = false;
    };

    UpdateHistory(Files& files, const QString& settingsPath);

    // Appends the event; false when the file could not be written.
    bool record(const ClientEvent& event, const QDateTime& when);
    // The entries in the file, oldest first; lines that are not entries are skipped.
    QList<Entry> entries() const;
    QString path() const { return m_path; }

    static QString lineOf(const ClientEvent& event, const QDateTime& when);
    // An entry's result in the reader's language; the file keeps it in English.
    static QString shownResult(const Entry& entry);
    static std::optional<Entry> entryOf(const QString& line);

private:
    void keepWithinBound();

    Files& m_files;
    QString m_path;
    // Lines in the file; counted once, on the first event.
    qsizetype m_lines = -1;
};
