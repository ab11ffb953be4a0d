#pragma once

#include <QString>

// Where the settings file is kept.
struct SettingsLocation
{
    QString path;
    // The file to start from while `path` is not there yet; empty when there is none.
    QString startingPoint;
};

// "DNS.conf" beside a portable copy of the program, so that it keeps its settings with it. Otherwise
// "DNS.conf" in `userFolder`, which is created owner-only, starting from the file beside the program
// (one an administrator may have placed there). A relative `userFolder` (from a relative
// XDG_CONFIG_HOME) stands for its name in ~/.config.
SettingsLocation locateSettings(const QString& programFolder, bool portable, QString userFolder);

// Whether the program in `programFolder` is a portable copy: a folder that this user owns and may
// write. An installed program is not, even for root, who may write every folder: it sits in a
// system's program folder (/usr/bin, /usr/local/bin, /opt/..., or such a tree unpacked elsewhere)
// or in a folder that another user owns.
bool isPortableCopy(const QString& programFolder);

// The same, for this process: the program's folder as it is on disk and the user's configuration folder.
SettingsLocation locateSettings(const QString& programFolder);
