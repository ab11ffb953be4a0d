#pragma once

#include "core/platform/TcpSocket.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class FakeSocket;

// One fake socket as the test sees it; it outlives the socket, so a test can still look at what a
// destroyed socket sent. Each event runs the socket's handler and returns false when the socket
// is gone or closed.
class FakeSocketRecord
{
public:
    // onConnected (false too before connectToHost).
    bool accept();
    // Latin-1 data arrives in one piece: onReadyRead.
    bool deliver(const QString& data);
    // onClosed.
    bool remoteClose();
    // onError.
    bool fail(const QString& description = QStringLiteral("Connection refused"));

    QString remoteHost() const { return m_remoteHost; }
    int remotePort() const { return m_remotePort; }
    // Every write joined (Latin-1).
    QString sent() const { return m_sent; }
    bool isDestroyed() const { return m_socket == nullptr; }
    bool inHandler() const { return m_handlerDepth > 0; }

private:
    friend class FakeSocket;
    friend class FakeSocketFactory;
    template <typename... Params, typename... Args>
    bool event(std::function<void(Params...)> TcpSocket::*handler, const Args&... args);

    FakeSocket* m_socket = nullptr;
    int m_handlerDepth = 0;
    std::function<void()> m_afterEvent;
    QString m_remoteHost;
    int m_remotePort = 0;
    bool m_connectCalled = false;
    bool m_closed = false;
    QString m_sent;
    QByteArray m_incoming;
};

// Sockets that do nothing on their own; the test opens, feeds, closes and fails them.
class FakeSocketFactory : public SocketFactory
{
public:
    std::unique_ptr<TcpSocket> create() override;

    // Runs after each event's handler has returned, as the event loop goes on (posted tasks).
    std::function<void()> afterEvent;

    int count() const { return int(m_created.size()); }
    // Oldest first.
    FakeSocketRecord& socket(int creationIndex) { return *m_created.at(std::size_t(creationIndex)); }
    FakeSocketRecord& last() { return *m_created.back(); }
    // Drops the records of destroyed sockets, so long runs do not pile them up; indexes change.
    void forgetDestroyed();

private:
    std::vector<std::shared_ptr<FakeSocketRecord>> m_created;
};
