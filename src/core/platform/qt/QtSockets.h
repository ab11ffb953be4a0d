#pragma once

#include "core/platform/TcpSocket.h"

class QTcpSocket;

// A TcpSocket on QTcpSocket.
class QtTcpSocket : public TcpSocket
{
public:
    QtTcpSocket();
    ~QtTcpSocket() override;

    void connectToHost(const QString& host, quint16 port) override;
    void write(const QByteArray& bytes) override;
    QByteArray readAll() override;
    void close() override;

private:
    void reportRemoteClose();

    QTcpSocket* m_socket;
    bool m_closedHere = false;
    bool m_remoteCloseReported = false;
};

class QtSocketFactory : public SocketFactory
{
public:
    std::unique_ptr<TcpSocket> create() override;
};
