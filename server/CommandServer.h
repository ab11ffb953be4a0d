#pragma once

#include "Misbehaviour.h"

#include <QObject>
#include <QTcpServer>

class CommandProcessor;
class QTcpSocket;

// The command port: one scrambled request per connection, ended by a line break, and one
// scrambled reply, after which the server closes the connection.
class CommandServer : public QObject
{
    Q_OBJECT

public:
    CommandServer(CommandProcessor& processor, Misbehaviour misbehaviour, QObject* parent = nullptr);

    bool listen(const QHostAddress& address, quint16 port);
    quint16 port() const { return m_server.serverPort(); }
    QString errorString() const { return m_server.errorString(); }

private:
    void acceptConnections();
    void readRequest(QTcpSocket* socket);
    void serve(QTcpSocket* socket, const QString& request);
    void deliver(QTcpSocket* socket, const QByteArray& wire, const Misbehaviour& behaviour);
    void sendPieces(QTcpSocket* socket, QList<QByteArray> pieces, int gapMs);

    QTcpServer m_server;
    CommandProcessor& m_processor;
    Misbehaviour m_misbehaviour;
};
