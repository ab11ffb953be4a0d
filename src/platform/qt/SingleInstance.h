#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>

#include <functional>

// One running program per settings file: a lock file beside the settings, and a local socket over
// which a later start asks the running one to show itself.
class SingleInstance
{
public:
    enum class Lock
    {
        // This process is the one for the settings file.
        Taken,
        // Another live process holds the settings file.
        HeldElsewhere,
        // The lock file cannot be made (a folder that cannot be written): nothing to guard with.
        Unavailable,
    };

    explicit SingleInstance(const QString& configPath);

    // Takes the lock, waiting for it at most `waitMs`. A lock left by a process that is gone is taken over.
    Lock lock(int waitMs = 0);
    // Once the lock is taken: runs `onShowRequest` whenever a later start asks for the window.
    bool listen(std::function<void()> onShowRequest);
    // Asks the process holding the lock to show its window; false when it did not take the request.
    bool requestShow(int timeoutMs);

private:
    QString m_serverName;
    QLockFile m_lock;
    QLocalServer m_server;
    std::function<void()> m_onShowRequest;
};
