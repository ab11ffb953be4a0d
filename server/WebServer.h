#pragma once

#include <QList>
#include <QObject>

class QHostAddress;
class QTcpServer;
class QTcpSocket;

// A minimal HTTP/1.1 server for the service's pages: GET and HEAD, one request per connection.
class WebServer : public QObject
{
    Q_OBJECT

public:
    explicit WebServer(QObject* parent = nullptr);

    // May be called more than once to serve the same pages on several ports.
    bool listen(const QHostAddress& address, quint16 port, QString* error);
    // The port of the first successful listen.
    quint16 port() const;

private:
    void acceptConnections(QTcpServer* server);
    void readRequest(QTcpSocket* socket);
    void respond(QTcpSocket* socket, const QByteArray& requestLine);

    QList<QTcpServer*> m_servers;
};
