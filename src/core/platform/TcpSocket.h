#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

// An asynchronous TCP client whose events arrive on the UI thread. A socket must not be destroyed
// while one of its own event handlers is running: close it there and destroy it after the event.
class TcpSocket
{
public:
    virtual ~TcpSocket() = default;

    // Opens the connection; success is reported by onConnected, failure by onError.
    virtual void connectToHost(const QString& host, quint16 port) = 0;
    virtual void write(const QByteArray& bytes) = 0;
    // Takes everything that has arrived so far.
    virtual QByteArray readAll() = 0;
    // Drops the connection at once; no event follows.
    virtual void close() = 0;

    std::function<void()> onConnected;
    // Data has arrived.
    std::function<void()> onReadyRead;
    // The peer closed the connection after sending what it had: an end of stream, not a failure.
    std::function<void()> onClosed;
    std::function<void(const QString& description)> onError;
};

class SocketFactory
{
public:
    virtual ~SocketFactory() = default;
    virtual std::unique_ptr<TcpSocket> create() = 0;
};
