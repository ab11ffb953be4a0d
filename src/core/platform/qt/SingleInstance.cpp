#include "core/platform/qt/SingleInstance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kShowRequest = QByteArrayLiteral("show\n");
// As many links as the system itself follows before it gives up.
constexpr int kMaxLinkDepth = 40;
// How long a start waits between tries for the lock or the socket.
constexpr int kRetryMs = 50;

// The file the settings path leads to, links followed (the file need not exist yet) and its folder
// made canonical, so that every name of one file gives the same text.
QString canonicalSettingsPath(const QString& configPath)
{
    QString current = QFileInfo(configPath).absoluteFilePath();
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        const QFileInfo info(current);
        if (!info.isSymLink())
            break;
        current = info.symLinkTarget();
    }
    const QFileInfo info(current);
    const QString folder = info.absoluteDir().canonicalPath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName();
}

// Short enough for any socket path, and the same for every start that would use that file.
QString digestOf(const QString& text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

bool isPrivateFolder(const QString& path)
{
    if (path.isEmpty() || QDir::isRelativePath(path))
        return false;
    struct stat status
    {
    };
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::geteuid() && (status.st_mode & 077) == 0;
}

int openLock(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    // A lock file we may only read still takes a lock.
    if (fd < 0 && errno == EACCES)
        return ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    return fd;
}

bool peerIsThisUser(qintptr socket)
{
#ifdef SO_PEERCRED
    struct ucred peer
    {
    };
    socklen_t size = sizeof peer;
    return ::getsockopt(int(socket), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::geteuid();
#else
    uid_t uid = 0;
    gid_t gid = 0;
    return ::getpeereid(int(socket), &uid, &gid) == 0 && uid == ::geteuid();
#endif
}

} // namespace

SingleInstance::SingleInstance(const QString& configPath, const QString& runtimeFolder)
    : m_settingsKey(canonicalSettingsPath(configPath)), m_runtimeFolder(runtimeFolder),
      m_lockPath(m_settingsKey + QStringLiteral(".lock"))
{
    if (!m_runtimeFolder.isEmpty())
        m_socketPath = m_runtimeFolder + QStringLiteral("/veltaro-") + digestOf(m_settingsKey);
}

SingleInstance::~SingleInstance()
{
    // The lock file stays: removing it could pull it from under a start that has just opened it.
    if (m_lockFd >= 0)
        ::close(m_lockFd);
}

bool SingleInstance::openLockFile()
{
    m_lockFd = openLock(m_lockPath);
    // Where the settings' folder cannot be written, two writers must still not run side by side.
    if (m_lockFd < 0 && !m_runtimeFolder.isEmpty()) {
        m_lockPath = m_socketPath + QStringLiteral(".lock");
        m_lockFd = openLock(m_lockPath);
    }
    return m_lockFd >= 0;
}

SingleInstance::Lock SingleInstance::lock(int waitMs)
{
    if (m_lockFd < 0 && !openLockFile())
        return Lock::Unavailable;
    const QDeadlineTimer deadline(waitMs);
    while (::flock(m_lockFd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return Lock::Unavailable;
        if (deadline.hasExpired())
            return Lock::HeldElsewhere;
        QThread::msleep(kRetryMs);
    }
    // Who holds it, for a later start's message; the lock itself does not depend on it.
    const QString program = QCoreApplication::instance() == nullptr
                                ? QString()
                                : QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    const QByteArray holder = QByteArray::number(::getpid()) + '\n' + program.toUtf8() + '\n';
    [[maybe_unused]] const bool told =
        ::ftruncate(m_lockFd, 0) == 0 && ::pwrite(m_lockFd, holder.constData(), size_t(holder.size()), 0) > 0;
    return Lock::Taken;
}

QString SingleInstance::holder() const
{
    QFile file(m_lockPath);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QList<QByteArray> lines = file.read(4096).split('\n');
    return lines.size() > 1 ? QString::fromUtf8(lines[1]) : QString();
}

bool SingleInstance::listen(std::function<void()> onShowRequest)
{
    if (m_socketPath.isEmpty())
        return false;
    m_onShowRequest = std::move(onShowRequest);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock, so a socket of that name is a leftover of a process that is gone.
    QLocalServer::removeServer(m_socketPath);
    QObject::connect(&m_server, &QLocalServer::newConnection, &m_server, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            if (!peerIsThisUser(socket->socketDescriptor())) {
                socket->abort();
                socket->deleteLater();
                continue;
            }
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                // Anything but the one request is ignored, and never read past its length.
                const QByteArray request = socket->read(kShowRequest.size());
                socket->disconnectFromServer();
                if (request == kShowRequest && m_onShowRequest)
                    m_onShowRequest();
            });
        }
    });
    return m_server.listen(m_socketPath);
}

bool SingleInstance::requestShow(int timeoutMs)
{
    if (m_socketPath.isEmpty())
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        QLocalSocket socket;
        socket.connectToServer(m_socketPath);
        if (socket.waitForConnected(int(deadline.remainingTime()))) {
            if (!peerIsThisUser(socket.socketDescriptor()))
                return false;
            socket.write(kShowRequest);
            return socket.waitForBytesWritten(int(deadline.remainingTime()));
        }
        // A start at the same instant may have the lock and not be listening yet.
        if (deadline.hasExpired())
            return false;
        QThread::msleep(kRetryMs);
    }
}

QString SingleInstance::userRuntimeFolder()
{
    const QString given = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (isPrivateFolder(given))
        return given;
    const QString own = QDir::tempPath() + QStringLiteral("/veltaro-") + QString::number(::geteuid());
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    return isPrivateFolder(own) ? own : QString();
}
