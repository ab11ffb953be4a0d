#pragma once

#include "core/net/ExchangeCommand.h"
#include "core/net/ReplyBuffer.h"

#include <QObject>
#include <QString>

#include <deque>
#include <functional>
#include <map>
#include <memory>

class TcpSocket;
class Timer;
struct CorePlatform;

// How an exchange ended: its reply (or each update connection's reply or failure) came in, the
// single connection failed, or the time-out struck.
enum class ExchangeEnd
{
    Answered,
    ConnectionFailed,
    TimedOut
};

// The server exchange: connects, sends one request (or one per checked group), takes the reply,
// hands it to its processor and enforces the time-out. It is "loaded" while an exchange
// runs and keeps its sockets and timers only for that time.
class ServerExchange : public QObject
{
    Q_OBJECT

public:
    // Takes a reply; an update reply comes with the group it answers.
    using ReplyProcessor = std::function<void(const QString& reply, const QString& group)>;

    explicit ServerExchange(CorePlatform& platform);
    ~ServerExchange() override;

    // Starts the command at once when no exchange runs; otherwise it waits until the running
    // exchange has unloaded. A newer waiting command of the same tag replaces the older one.
    void submit(ExchangeCommand command);
    bool isLoaded() const;
    // Commands waiting for the running exchange to end.
    int waitingCount() const { return int(m_waiting.size()); }
    // How long the exchange stays loaded after a reply (clientMs) and after the last update reply
    // (updateMs). 0 unloads as soon as the reply's processor has run.
    void setCloseDelays(int clientMs, int updateMs);
    // How long an exchange may take before it gives up.
    void setTimeout(int milliseconds);

    // A group of the running update has failed; a later success does not hide it.
    bool updateFailed = false;
    // The reply processor of each pending-command tag; a reply with any other tag is dropped.
    std::map<QString, ReplyProcessor> processors;
    // The group update's tag: its requests go out on a connection each, and every reply goes to
    // its processor.
    QString updateTag;
    // Runs after each unload, once the exchange's processors and status texts are through.
    std::function<void(ExchangeEnd)> onUnloaded;

signals:
    // A command has started; its status text says what it does.
    void started(const QString& tag, const QString& statusText);
    // Busy from the start of a command until it has unloaded.
    void busyChanged(bool busy);
    // The exchange failed: the status text to show, and the reason for the history (in its words,
    // see FailureReasons).
    void failed(const QString& statusText, const QString& reason);
    // One group's update connection failed before its reply.
    void groupFailed(const QString& group, const QString& reason);

private:
    // One connection of the running exchange: 0 is tcpClient, i >= 1 is tcpUpdater(i).
    struct Connection
    {
        ReplyBuffer reply;
        bool finished = false;
        // Ends the reply after a silence.
        std::unique_ptr<Timer> silence;
    };

    void start(ExchangeCommand command);
    void startWaiting();
    void Form_Load();
    void Form_Unload(ExchangeEnd end = ExchangeEnd::Answered);
    void retireSockets();
    bool isUpdate() const;

    void closeTimer_Timer();
    void timeoutTimer_Timer();
    void startCloseTimer(int milliseconds);

    std::unique_ptr<TcpSocket> openConnection(int index);
    TcpSocket* socketOf(int index) const;
    void socket_Connected(int index);
    void socket_ReadyRead(int index);
    void socket_Closed(int index);
    void socket_Error(int index, const QString& description);
    void finishReply(int index);
    void failUpdate(int index);
    void updateSettled();
    void replyIsIn(int closeMs);
    // Ends the exchange for `reason`, in the history's words.
    void endWithFailure(const QString& reason);
    // Posts the reply to its tag's processor; an update reply carries the group it answers.
    void dispatch(const QString& tag, const QString& reply, const QString& group = QString());
    // The group of update connection `index`, read back from its request.
    QString groupOf(int index) const;

    CorePlatform& m_platform;

    std::unique_ptr<TcpSocket> tcpClient;
    std::map<int, std::unique_ptr<TcpSocket>> tcpUpdater;
    // Closes the exchange a while after the reply.
    std::unique_ptr<Timer> closeTimer;
    std::unique_ptr<Timer> timeoutTimer;

    int m_timeoutMs = 60000;
    int m_clientCloseMs = 250;
    int m_updateCloseMs = 500;
    bool m_loaded = false;
    // Changes at every load and unload, so events of an ended exchange's sockets are ignored and
    // a connect call that failed at once is noticed.
    quint64 m_generation = 0;
    ExchangeCommand m_command;
    std::map<int, Connection> m_connections;
    int m_updatesOutstanding = 0;
    std::deque<ExchangeCommand> m_waiting;
    bool m_startPosted = false;
};
