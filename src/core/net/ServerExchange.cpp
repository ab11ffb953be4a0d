#include "core/net/ServerExchange.h"

#include "BuildConfig.h"
#include "core/platform/CorePlatform.h"
#include "core/platform/TcpSocket.h"
#include "core/platform/Timers.h"
#include "core/protocol/FailureReasons.h"

#include <QPointer>

ServerExchange::ServerExchange(CorePlatform& platform)
    : m_platform(platform), closeTimer(platform.timers.createTimer(QStringLiteral("closeTimer"), TimerMode::SingleShot,
                                                                   [this] { closeTimer_Timer(); })),
      timeoutTimer(platform.timers.createTimer(QStringLiteral("timeoutTimer"), TimerMode::SingleShot,
                                               [this] { timeoutTimer_Timer(); }))
{}

ServerExchange::~ServerExchange() = default;

bool ServerExchange::isLoaded() const
{
    return m_loaded;
}

void ServerExchange::setCloseDelays(int clientMs, int updateMs)
{
    m_clientCloseMs = clientMs;
    m_updateCloseMs = updateMs;
}

void ServerExchange::setTimeout(int milliseconds)
{
    m_timeoutMs = milliseconds;
}

void ServerExchange::submit(ExchangeCommand command)
{
    if (!m_loaded && m_waiting.empty()) {
        start(std::move(command));
        return;
    }
    // A newer command of a waiting tag takes the older one's place in the line: its request is
    // the current one, and the order in which the commands were first asked for stays.
    for (ExchangeCommand& waiting : m_waiting) {
        if (waiting.tag == command.tag) {
            waiting = std::move(command);
            return;
        }
    }
    m_waiting.push_back(std::move(command));
}

void ServerExchange::startWaiting()
{
    m_startPosted = false;
    if (m_loaded || m_waiting.empty())
        return;
    ExchangeCommand next = std::move(m_waiting.front());
    m_waiting.pop_front();
    start(std::move(next));
}

void ServerExchange::start(ExchangeCommand command)
{
    m_command = std::move(command);
    if (m_command.serverHost.isEmpty()) {
        m_command.serverHost = QString::fromUtf8(BuildConfig::serverHost);
        m_command.serverPort = BuildConfig::serverPort;
    }
    emit started(m_command.tag, m_command.statusText);
    if (isUpdate())
        updateFailed = false;
    Form_Load();
}

bool ServerExchange::isUpdate() const
{
    return !updateTag.isEmpty() && m_command.tag == updateTag;
}

void ServerExchange::Form_Load()
{
    m_loaded = true;
    const quint64 generation = ++m_generation;
    emit busyChanged(true);

    // A socket may report a failure from inside its connect call; then the exchange is over.
    if (!isUpdate()) {
        tcpClient = openConnection(0);
        tcpClient->connectToHost(m_command.serverHost, m_command.serverPort);
        if (generation != m_generation)
            return;
    } else if (!m_command.updateRequests.empty()) {
        const int count = int(m_command.updateRequests.size());
        m_updatesOutstanding = count;
        for (int i = 1; i <= count; ++i)
            tcpUpdater[i] = openConnection(i);
        for (int i = 1; i <= count && generation == m_generation; ++i)
            tcpUpdater[i]->connectToHost(m_command.serverHost, m_command.serverPort);
        if (generation != m_generation)
            return;
    } else {
        const QString emptyListReply = QStringLiteral("update::") + m_command.address + QStringLiteral(":SUCCESS:");
        dispatch(updateTag, emptyListReply);
        startCloseTimer(m_clientCloseMs);
    }
    timeoutTimer->start(m_timeoutMs);
}

void ServerExchange::Form_Unload(ExchangeEnd end)
{
    if (!m_loaded)
        return;
    m_loaded = false;
    ++m_generation;
    retireSockets();
    closeTimer->stop();
    timeoutTimer->stop();
    m_connections.clear();
    m_updatesOutstanding = 0;
    emit busyChanged(false);

    // The next command starts once the handler that unloaded has returned, so nothing of this
    // exchange is touched by it and a status text written after the unload comes first.
    if (!m_waiting.empty() && !m_startPosted) {
        m_startPosted = true;
        QPointer<ServerExchange> self(this);
        m_platform.timers.post([self] {
            if (self)
                self->startWaiting();
        });
    }
    if (onUnloaded) {
        QPointer<ServerExchange> self(this);
        m_platform.timers.post([self, end] {
            if (self && self->onUnloaded)
                self->onUnloaded(end);
        });
    }
}

void ServerExchange::retireSockets()
{
    // A socket's own handler may be on the stack below this call, so the sockets are closed and
    // silenced now and destroyed only after the current event.
    auto retired = std::make_shared<std::vector<std::unique_ptr<TcpSocket>>>();
    auto retire = [&retired](std::unique_ptr<TcpSocket> socket) {
        socket->onConnected = nullptr;
        socket->onReadyRead = nullptr;
        socket->onClosed = nullptr;
        socket->onError = nullptr;
        socket->close();
        retired->push_back(std::move(socket));
    };
    if (tcpClient)
        retire(std::move(tcpClient));
    for (auto& entry : tcpUpdater)
        retire(std::move(entry.second));
    tcpUpdater.clear();
    if (!retired->empty())
        m_platform.timers.post([retired] { retired->clear(); });
}

void ServerExchange::closeTimer_Timer()
{
    Form_Unload();
}

void ServerExchange::timeoutTimer_Timer()
{
    Form_Unload(ExchangeEnd::TimedOut);
    emit failed(tr("Timeout expired...connection failed."), FailureReasons::stored(FailureReasons::kNoAnswer));
}

void ServerExchange::startCloseTimer(int milliseconds)
{
    if (milliseconds <= 0) {
        // Posted after the reply's processor, so it runs first.
        QPointer<ServerExchange> self(this);
        const quint64 generation = m_generation;
        m_platform.timers.post([self, generation] {
            if (self && self->m_generation == generation)
                self->Form_Unload();
        });
        return;
    }
    closeTimer->start(milliseconds);
}
