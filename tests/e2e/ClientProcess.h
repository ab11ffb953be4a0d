#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// The real client program, copied into a folder of its own with a "DNS.conf" beside it, run offscreen.
class ClientProcess
{
public:
    explicit ClientProcess(const QByteArray& config);
    ~ClientProcess();

    bool start();
    // Sends SIGTERM and waits for the program to end; true when it exited normally with status 0.
    bool terminateCleanly(int waitMs = 15000);
    // Takes the program's folder away while it runs, so that nothing can be saved there, not even by root.
    bool removeFolder() { return m_folder.remove(); }
    QString folder() const { return m_folder.path(); }
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }

    QByteArray config() const;
    QString output() const { return m_output; }

private:
    QTemporaryDir m_folder;
    QProcess m_process;
    QString m_output;
};

// The nine lines of a settings file, each ended by CR LF.
QByteArray configFile(const QStringList& lines);
// The demo account DEMO/DEMO with HOME checked, updates every 15 minutes.
QByteArray demoConfig();
