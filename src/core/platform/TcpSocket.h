#pragma once

#include <QString>

#include <functional>
#include <memory>

// An asynchronous TCP client whose events arrive on the UI thread. Text goes out and comes in
// as one byte per character (Latin-1). A socket must not be destroyed while one of its own event
// handlers is running: close it there and destroy it after the event.
class TcpSocket
{
public:
    virtual ~TcpSocket() = default;

    virtual void setRemoteHost(const QString& host) = 0;
    virtual void setRemotePort(int port) = 0;
    // Opens the connection; completion is reported by onConnect, failure by onError.
    virtual void connectToServer() = 0;
    // Sends the text as Latin-1 bytes.
    virtual void sendData(const QString& text) = 0;
    // Takes up to maxLength bytes of what has arrived, as Latin-1 text.
    virtual QString getData(int maxLength) = 0;
    // Bytes that have arrived and not yet been taken.
    virtual qint64 bytesAvailable() const = 0;
    virtual void close() = 0;

    std::function<void()> onConnect;
    // Data has arrived; the argument is the number of bytes waiting.
    std::function<void(qint64)> onDataArrival;
    // The peer closed the connection after sending what it had.
    std::function<void()> onRemoteClose;
    std::function<void(const QString& description)> onError;
};

class SocketFactory
{
public:
    virtual ~SocketFactory() = default;
    virtual std::unique_ptr<TcpSocket> create() = 0;
};
