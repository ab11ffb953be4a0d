#pragma once

#include <QString>

struct Settings;
struct CorePlatform;

namespace Common_Functions {

// The longest line of the settings file that is read whole, as long as the longest reply taken
// from the server; the rest of a longer line is skipped.
inline constexpr qsizetype kLongestConfigLine = 64000;

// The settings file, beside the program unless the program names another.
QString configPath(const CorePlatform& platform);
// A file the program keeps beside its settings file ("history.log", "options.conf").
QString besideConfig(const QString& settingsPath, const QString& name);

// Removes what interrupted saves left beside "DNS.conf", then reads it into the state, line by line
// until the first missing line; a missing file is created empty. Returns what the status line should
// say about the file (lines that were cut), or nothing.
QString loadConfig(Settings& settings, CorePlatform& platform);

struct SaveResult
{
    bool saved = false;
    // Why the file was not written, one line for the user to read; empty when it was written, or
    // when the reason was told already in this run.
    QString problem;
};

// Writes the nine lines of "DNS.conf". A failure leaves the old file whole; the caller tells the
// problem to the user.
SaveResult saveConfig(Settings& settings, CorePlatform& platform);

// The characters of `text` that the settings file and the wire cannot carry (they hold one byte per
// character), each once, quoted and separated by commas; empty when there is none.
QString unstorableCharacters(const QString& text);

// Text from the server made safe to show or keep in a line of columns: each control character
// becomes a space, tabs too unless `keepTabs`.
QString withControlCharactersAsSpaces(QString text, bool keepTabs = false);

// Typed or pasted text without the control characters (line breaks, tabs) that no setting may hold.
QString withoutControlCharacters(QString text);

} // namespace Common_Functions
