#pragma once

#include <QString>

// The running program: its folder, title and version, and the way out.
class AppInfo
{
public:
    virtual ~AppInfo() = default;

    // The folder that holds the program, without a trailing separator.
    virtual QString programFolder() const = 0;
    // The settings file: "DNS.conf" in the program's folder unless the program was given another.
    virtual QString configPath() const;
    // The file whose settings are read while the settings file is not there yet; empty for none.
    virtual QString configStartingPoint() const { return QString(); }
    virtual QString title() const = 0;
    virtual int versionMajor() const = 0;
    virtual int versionMinor() const = 0;
    virtual int versionRevision() const = 0;
    // Ends the process at once; no other window's close handling runs.
    virtual void quit() = 0;
    // Writes one line to standard error, for the ways out that have no user to read a box.
    virtual void printError(const QString& line) = 0;

    // "major.minor.revision", decimal without leading zeros.
    QString versionText() const;
};
