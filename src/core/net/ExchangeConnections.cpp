// The exchange's connections: sending the request, gathering the reply, handing it on, and what
// a failed connection means.
#include "core/net/ServerExchange.h"

#include "core/platform/CorePlatform.h"
#include "core/protocol/FailureReasons.h"
#include "core/protocol/Scrambler.h"

#include <QPointer>

namespace {
constexpr int kClient = 0;
constexpr int kClientReplyCap = 64000;
constexpr int kUpdateReplyCap = 32000;
constexpr int kSilenceMs = 1000;
} // namespace

std::unique_ptr<TcpSocket> ServerExchange::openConnection(int index)
{
    m_connections[index] = Connection{ReplyBuffer(index == kClient ? kClientReplyCap : kUpdateReplyCap), false,
                                      m_platform.timers.createTimer(QStringLiteral("replyTimer"), TimerMode::SingleShot,
                                                                    [this, index] { finishReply(index); })};
    std::unique_ptr<TcpSocket> socket = m_platform.sockets.create();
    const quint64 generation = m_generation;
    // Events of a socket that belonged to an earlier exchange are ignored.
    socket->onConnected = [this, generation, index] {
        if (generation == m_generation)
            socket_Connected(index);
    };
    socket->onReadyRead = [this, generation, index] {
        if (generation == m_generation)
            socket_ReadyRead(index);
    };
    socket->onClosed = [this, generation, index] {
        if (generation == m_generation)
            socket_Closed(index);
    };
    socket->onError = [this, generation, index](const QString& description) {
        if (generation == m_generation)
            socket_Error(index, description);
    };
    return socket;
}

TcpSocket* ServerExchange::socketOf(int index) const
{
    if (index == kClient)
        return tcpClient.get();
    const auto it = tcpUpdater.find(index);
    return it == tcpUpdater.end() ? nullptr : it->second.get();
}

void ServerExchange::socket_Connected(int index)
{
    TcpSocket* socket = socketOf(index);
    if (socket == nullptr)
        return;
    const QString& request =
        index == kClient ? m_command.requestText : m_command.updateRequests.at(std::size_t(index - 1));
    socket->write(Scrambler::scrambleText(request).toLatin1());
}

void ServerExchange::socket_ReadyRead(int index)
{
    TcpSocket* socket = socketOf(index);
    const auto it = m_connections.find(index);
    if (socket == nullptr || it == m_connections.end())
        return;
    Connection& connection = it->second;
    if (connection.finished) {
        // Anything after the reply has been handed on is dropped.
        socket->readAll();
        return;
    }
    connection.reply.add(socket->readAll());
    if (connection.reply.isComplete()) {
        finishReply(index);
        return;
    }
    connection.silence->start(kSilenceMs);
}

void ServerExchange::socket_Closed(int index)
{
    const auto it = m_connections.find(index);
    if (it == m_connections.end() || it->second.finished)
        return;
    if (TcpSocket* socket = socketOf(index))
        it->second.reply.add(socket->readAll());
    if (!it->second.reply.isEmpty()) {
        finishReply(index);
        return;
    }
    if (index == kClient)
        endWithFailure(FailureReasons::stored(FailureReasons::kClosedWithoutReply));
    else
        failUpdate(index);
}

void ServerExchange::socket_Error(int index, const QString& description)
{
    const auto it = m_connections.find(index);
    if (it == m_connections.end() || it->second.finished)
        return;
    if (index == kClient)
        endWithFailure(FailureReasons::stored(FailureReasons::kConnectionFailed, description));
    else
        failUpdate(index);
}

void ServerExchange::finishReply(int index)
{
    const auto it = m_connections.find(index);
    if (it == m_connections.end() || it->second.finished)
        return;
    it->second.finished = true;
    it->second.silence->stop();
    const QString reply = Scrambler::unscrambleText(it->second.reply.text());
    // The processor is posted first, so an exchange that closes at once still hands the reply on.
    if (index == kClient) {
        dispatch(m_command.tag, reply);
        replyIsIn(m_clientCloseMs);
    } else {
        dispatch(updateTag, reply, groupOf(index));
        updateSettled();
    }
}

void ServerExchange::failUpdate(int index)
{
    Connection& connection = m_connections.at(index);
    connection.finished = true;
    connection.silence->stop();
    if (TcpSocket* socket = socketOf(index))
        socket->close();
    updateSettled();
    // The group's update failed; the others go on. Reported in turn with the replies.
    QPointer<ServerExchange> self(this);
    m_platform.timers.post([self, group = groupOf(index)] {
        if (!self)
            return;
        self->updateFailed = true;
        emit self->groupFailed(group, FailureReasons::stored(FailureReasons::kNoUpdateReply));
    });
}

void ServerExchange::updateSettled()
{
    // The exchange closes once every update connection has replied or failed.
    if (--m_updatesOutstanding == 0)
        replyIsIn(m_updateCloseMs);
}

// Decided before the processor runs: a box it opens must not turn an answered exchange into a
// time-out, nor hold the exchange open.
void ServerExchange::replyIsIn(int closeMs)
{
    timeoutTimer->stop();
    startCloseTimer(closeMs);
}

void ServerExchange::endWithFailure(const QString& reason)
{
    Form_Unload(ExchangeEnd::ConnectionFailed);
    // The status line says what the history keeps, in the reader's language.
    emit failed(FailureReasons::shown(reason), reason.trimmed());
}

QString ServerExchange::groupOf(int index) const
{
    // An update request ends ":g<group>:<address>:"; the address holds no colon, the password may.
    const qsizetype at = index - 1;
    if (at < 0 || at >= qsizetype(m_command.updateRequests.size()))
        return QString();
    QStringView request = m_command.updateRequests[std::size_t(at)];
    request.chop(1);
    request = request.left(request.lastIndexOf(QLatin1Char(':')));
    const QStringView group = request.mid(request.lastIndexOf(QLatin1Char(':')) + 1);
    return group.startsWith(QLatin1Char('g'), Qt::CaseInsensitive) ? group.mid(1).toString() : QString();
}

// The processor runs after the socket's or timer's handler has returned: a box it opens, or an
// exchange it starts, never has the handler of a socket that the exchange may destroy beneath it.
void ServerExchange::dispatch(const QString& tag, const QString& reply, const QString& group)
{
    const auto it = processors.find(tag);
    if (it == processors.end() || !it->second)
        return;
    const ReplyProcessor processor = it->second;
    m_platform.timers.post([processor, reply, group] { processor(reply, group); });
}
