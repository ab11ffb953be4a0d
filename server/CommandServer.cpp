#include "CommandServer.h"

#include "CommandProcessor.h"
#include "Output.h"
#include "core/protocol/Scrambler.h"

#include <QTcpSocket>
#include <QTimer>

#include <sys/socket.h>

namespace {

// A request with no line break after this much is taken as it stands.
constexpr qint64 kMaxRequestBytes = 64 * 1024;

// The client compares the address as dotted text, so mapped IPv4 addresses lose their prefix.
QString peerText(const QHostAddress& address)
{
    bool isIPv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIPv4);
    return isIPv4 ? QHostAddress(ipv4).toString() : address.toString();
}

// Closing with a zero linger time makes the kernel send a reset instead of an orderly close.
void resetConnection(QTcpSocket* socket)
{
    const linger noLinger{1, 0};
    ::setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &noLinger, sizeof noLinger);
    socket->abort();
    socket->deleteLater();
}

} // namespace

CommandServer::CommandServer(CommandProcessor& processor, Misbehaviour misbehaviour, QObject* parent)
    : QObject(parent), m_processor(processor), m_misbehaviour(std::move(misbehaviour))
{
    connect(&m_server, &QTcpServer::newConnection, this, &CommandServer::acceptConnections);
}

bool CommandServer::listen(const QHostAddress& address, quint16 port)
{
    // A group update opens one connection per group at once; the default backlog of 50 drops most.
    m_server.setListenBacklogSize(1024);
    return m_server.listen(address, port);
}

void CommandServer::acceptConnections()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        // Pieces of a split reply must not be merged by the sender.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
    }
}

void CommandServer::readRequest(QTcpSocket* socket)
{
    QByteArray raw;
    if (socket->canReadLine())
        raw = socket->readLine();
    else if (socket->bytesAvailable() >= kMaxRequestBytes)
        raw = socket->readAll();
    else
        return;
    // One request per connection: whatever follows it is ignored.
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
    serve(socket, Scrambler::unscrambleText(QString::fromLatin1(raw)));
}

void CommandServer::serve(QTcpSocket* socket, const QString& request)
{
    printLine(QStringLiteral("REQUEST ") + request);
    const Misbehaviour behaviour = m_misbehaviour.appliesTo(request) ? m_misbehaviour : Misbehaviour{};
    const QByteArray wire = behaviour.wireReply(m_processor.answer(request, peerText(socket->peerAddress())));
    if (behaviour.delayMs > 0)
        QTimer::singleShot(behaviour.delayMs, socket, [=, this] { deliver(socket, wire, behaviour); });
    else
        deliver(socket, wire, behaviour);
}

void CommandServer::deliver(QTcpSocket* socket, const QByteArray& wire, const Misbehaviour& behaviour)
{
    if (behaviour.refuse)
        resetConnection(socket);
    else if (behaviour.closeWithoutReply)
        socket->disconnectFromHost();
    else if (!behaviour.neverReply)
        sendPieces(socket, behaviour.pieces(wire), behaviour.splitGapMs);
    // A connection that never gets its reply stays open until the client closes it.
}

void CommandServer::sendPieces(QTcpSocket* socket, QList<QByteArray> pieces, int gapMs)
{
    socket->write(pieces.takeFirst());
    socket->flush();
    if (pieces.isEmpty()) {
        socket->disconnectFromHost();
        return;
    }
    QTimer::singleShot(gapMs, socket, [=, this] { sendPieces(socket, pieces, gapMs); });
}
