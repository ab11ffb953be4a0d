#pragma once

#include <QString>

// Where the settings file is kept.
struct SettingsLocation
{
    QString path;
    // The file to start from while `path` is not there yet; empty when there is none.
    QString startingPoint;
};

// "DNS.conf" beside the program while its folder may be written, so a portable copy keeps its
// settings with it. Otherwise "DNS.conf" in `userFolder`, which is created owner-only, starting
// from the file beside the program (one an administrator may have placed there).
// A relative `userFolder` (from a relative XDG_CONFIG_HOME) stands for its name in ~/.config.
SettingsLocation locateSettings(const QString& programFolder, bool programFolderWritable, QString userFolder);

// The same, for this process: the program's folder as it is on disk and the user's configuration folder.
SettingsLocation locateSettings(const QString& programFolder);
