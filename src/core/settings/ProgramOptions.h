#pragma once

#include <QString>

class Files;

// Settings that "DNS.conf" has no line for. They live beside it in "options.conf", one
// "name=value" line each, so that "DNS.conf" keeps the nine lines older copies of the program read.
struct ProgramOptions
{
    // Tray notices while the window is hidden.
    bool notifications = true;

    static QString pathFor(const QString& settingsPath);
    // A missing or unreadable file, or a line it does not know, leaves the defaults.
    static ProgramOptions load(Files& files, const QString& settingsPath);
    bool save(Files& files, const QString& settingsPath, QString* error) const;
};
