#include "platform/qt/SingleInstance.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QLocalSocket>

namespace {

const QByteArray kShowRequest = QByteArrayLiteral("show\n");

// The socket's name is a digest of the settings file's full path: short enough for any socket
// path, and the same for every start that would use that file.
QString serverNameFor(const QString& configPath)
{
    const QByteArray path = QFileInfo(configPath).absoluteFilePath().toUtf8();
    return QStringLiteral("veltaro-") +
           QString::fromLatin1(QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex().left(16));
}

} // namespace

SingleInstance::SingleInstance(const QString& configPath)
    : m_serverName(serverNameFor(configPath)), m_lock(configPath + QStringLiteral(".lock"))
{
    // The program runs for months: the lock must never count as stale by its age, only when the
    // process that holds it is gone.
    m_lock.setStaleLockTime(0);
}

SingleInstance::Lock SingleInstance::lock(int waitMs)
{
    if (m_lock.tryLock(waitMs))
        return Lock::Taken;
    return m_lock.error() == QLockFile::LockFailedError ? Lock::HeldElsewhere : Lock::Unavailable;
}

bool SingleInstance::listen(std::function<void()> onShowRequest)
{
    m_onShowRequest = std::move(onShowRequest);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock, so a socket of that name is a leftover of a process that is gone.
    QLocalServer::removeServer(m_serverName);
    QObject::connect(&m_server, &QLocalServer::newConnection, &m_server, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                // Anything but the one request is ignored, and never read past its length.
                const QByteArray request = socket->read(kShowRequest.size());
                socket->disconnectFromServer();
                if (request == kShowRequest && m_onShowRequest)
                    m_onShowRequest();
            });
        }
    });
    return m_server.listen(m_serverName);
}

bool SingleInstance::requestShow(int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kShowRequest);
    return socket.waitForBytesWritten(timeoutMs);
}
