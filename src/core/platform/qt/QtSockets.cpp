#include "core/platform/qt/QtSockets.h"

#include <QCoreApplication>
#include <QTcpSocket>

namespace {

// The commonest failures in fixed English words, as the history keeps them whatever the language
// Qt speaks; the others in Qt's words.
QString description(const QTcpSocket& socket, QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return QStringLiteral(QT_TRANSLATE_NOOP("SocketErrors", "Connection refused"));
    case QAbstractSocket::HostNotFoundError:
        return QStringLiteral(QT_TRANSLATE_NOOP("SocketErrors", "Host not found"));
    case QAbstractSocket::SocketTimeoutError:
        return QStringLiteral(QT_TRANSLATE_NOOP("SocketErrors", "Socket operation timed out"));
    default:
        return socket.errorString();
    }
}

} // namespace

// Every handler below calls a copy of the callback and does nothing after it: the callback may
// destroy this wrapper.
QtTcpSocket::QtTcpSocket() : m_socket(new QTcpSocket)
{
    QObject::connect(m_socket, &QTcpSocket::connected, m_socket, [this] {
        if (auto handler = onConnected)
            handler();
    });
    QObject::connect(m_socket, &QTcpSocket::readyRead, m_socket, [this] {
        if (auto handler = onReadyRead)
            handler();
    });
    QObject::connect(m_socket, &QTcpSocket::disconnected, m_socket, [this] { reportRemoteClose(); });
    QObject::connect(m_socket, &QTcpSocket::errorOccurred, m_socket, [this](QAbstractSocket::SocketError error) {
        // The peer's orderly close (or a reset after it) is an end of stream, not a failure.
        if (error == QAbstractSocket::RemoteHostClosedError) {
            reportRemoteClose();
            return;
        }
        if (auto handler = onError)
            handler(description(*m_socket, error));
    });
}

QtTcpSocket::~QtTcpSocket()
{
    // This may run inside one of the socket's own signals, so it is deleted later. While the
    // application shuts down (a posted task dropped unrun) no new event may be posted.
    m_socket->disconnect();
    m_socket->abort();
    if (QCoreApplication::closingDown())
        delete m_socket;
    else
        m_socket->deleteLater();
}

void QtTcpSocket::connectToHost(const QString& host, quint16 port)
{
    m_closedHere = false;
    m_remoteCloseReported = false;
    m_socket->connectToHost(host, port);
}

void QtTcpSocket::write(const QByteArray& bytes)
{
    m_socket->write(bytes);
}

QByteArray QtTcpSocket::readAll()
{
    return m_socket->readAll();
}

void QtTcpSocket::close()
{
    m_closedHere = true;
    m_socket->abort();
}

void QtTcpSocket::reportRemoteClose()
{
    // Qt may report one close both as an error and as a disconnection; a close of our own is none.
    if (m_closedHere || m_remoteCloseReported)
        return;
    m_remoteCloseReported = true;
    if (auto handler = onClosed)
        handler();
}

std::unique_ptr<TcpSocket> QtSocketFactory::create()
{
    return std::make_unique<QtTcpSocket>();
}
