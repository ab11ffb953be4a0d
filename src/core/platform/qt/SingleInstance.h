#pragma once

#include <QLocalServer>
#include <QString>

#include <functional>

// One running program per settings file: a lock file beside the settings, and a local socket in the
// user's runtime folder over which a later start asks the running one to show itself. Every name
// that reaches the same file (a link, a relative path) meets the same lock and the same socket.
class SingleInstance
{
public:
    enum class Lock
    {
        // This process is the one for the settings file.
        Taken,
        // Another live process holds the settings file.
        HeldElsewhere,
        // No lock file can be made, neither beside the settings nor in the runtime folder.
        Unavailable,
    };

    // `runtimeFolder` holds the socket, and the lock when the settings' folder cannot be written.
    explicit SingleInstance(const QString& configPath, const QString& runtimeFolder = userRuntimeFolder());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Takes the lock, waiting for it at most `waitMs`. The kernel lets go of it when its process
    // ends, however it ends.
    Lock lock(int waitMs = 0);
    // The file name of the program holding the lock, as it wrote it into the lock file; empty when unknown.
    QString holder() const;
    // Once the lock is taken: runs `onShowRequest` whenever a later start of the same user asks for the window.
    bool listen(std::function<void()> onShowRequest);
    // Asks the process holding the lock to show its window, trying again until `timeoutMs` have
    // passed (it may not be listening yet); false when no process of ours took the request.
    bool requestShow(int timeoutMs);

    QString lockPath() const { return m_lockPath; }
    QString socketPath() const { return m_socketPath; }

    // XDG_RUNTIME_DIR when it is a folder of this user's that no one else may enter, otherwise such
    // a folder of our own in the temporary folder; empty when neither can be had.
    static QString userRuntimeFolder();

private:
    bool openLockFile();

    QString m_settingsKey;
    QString m_runtimeFolder;
    QString m_lockPath;
    QString m_socketPath;
    int m_lockFd = -1;
    QLocalServer m_server;
    std::function<void()> m_onShowRequest;
};
