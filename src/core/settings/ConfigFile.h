#pragma once

#include <QString>

struct Settings;
struct CorePlatform;

namespace ConfigFile {

// The longest line of the settings file that is read whole, as long as the longest reply taken
// from the server; the rest of a longer line is skipped.
inline constexpr qsizetype kLongestLine = 64000;

// The settings file, beside the program unless the program names another.
QString path(const CorePlatform& platform);
// A file the program keeps beside its settings file ("history.log", "options.conf").
QString besidePath(const QString& settingsPath, const QString& name);

// Removes what interrupted saves left beside "DNS.conf", then reads it into the state, line by line
// until the first missing line; a missing file is created empty. Returns what the status line should
// say about the file (lines that were cut, a file that cannot be read), or nothing.
QString load(Settings& settings, CorePlatform& platform);

struct SaveResult
{
    bool saved = false;
    // Why the file was not written, one line for the user to read; empty when it was written, or
    // when the reason was told already in this run.
    QString problem;
};

// Writes the nine lines of "DNS.conf". A failure leaves the old file whole; the caller tells the
// problem to the user.
SaveResult save(Settings& settings, CorePlatform& platform);

} // namespace ConfigFile
