#pragma once

#include "core/platform/TcpSocket.h"

class QTcpSocket;

// A TcpSocket on QTcpSocket.
class QtTcpSocket : public TcpSocket
{
public:
    QtTcpSocket();
    ~QtTcpSocket() override;

    void setRemoteHost(const QString& host) override;
    void setRemotePort(int port) override;
    void connectToServer() override;
    void sendData(const QString& text) override;
    QString getData(int maxLength) override;
    qint64 bytesAvailable() const override;
    void close() override;

private:
    void reportRemoteClose();

    QTcpSocket* m_socket;
    QString m_host;
    int m_port = 0;
    bool m_closedHere = false;
    bool m_remoteCloseReported = false;
};

class QtSocketFactory : public SocketFactory
{
public:
    std::unique_ptr<TcpSocket> create() override;
};
