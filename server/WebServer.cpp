#include "WebServer.h"

#include "Output.h"
#include "WebPages.h"

#include <QTcpServer>
#include <QTcpSocket>

namespace {

constexpr qint64 kMaxHeaderBytes = 64 * 1024;

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 404:
        return "Not Found";
    case 400:
        return "Bad Request";
    default:
        return "Not Implemented";
    }
}

// The request headers end with an empty line; the body, if any, is not needed.
bool hasCompleteHeaders(QTcpSocket* socket)
{
    const QByteArray seen = socket->peek(socket->bytesAvailable());
    return seen.contains("\r\n\r\n") || seen.contains("\n\n") || seen.size() >= kMaxHeaderBytes;
}

} // namespace

WebServer::WebServer(QObject* parent) : QObject(parent) {}

bool WebServer::listen(const QHostAddress& address, quint16 port, QString* error)
{
    auto* server = new QTcpServer(this);
    if (!server->listen(address, port)) {
        *error = server->errorString();
        delete server;
        return false;
    }
    connect(server, &QTcpServer::newConnection, this, [this, server] { acceptConnections(server); });
    m_servers.append(server);
    return true;
}

quint16 WebServer::port() const
{
    return m_servers.isEmpty() ? 0 : m_servers.first()->serverPort();
}

void WebServer::acceptConnections(QTcpServer* server)
{
    while (QTcpSocket* socket = server->nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
    }
}

void WebServer::readRequest(QTcpSocket* socket)
{
    if (!hasCompleteHeaders(socket))
        return;
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
    const QByteArray requestLine = socket->readLine().trimmed();
    socket->readAll();
    respond(socket, requestLine);
}

void WebServer::respond(QTcpSocket* socket, const QByteArray& requestLine)
{
    const QList<QByteArray> parts = requestLine.split(' ');
    const QByteArray method = parts.value(0);
    const QString target = QString::fromUtf8(parts.value(1));
    const QString path = target.section(u'?', 0, 0).section(u'#', 0, 0);
    printLine(QStringLiteral("HTTP %1 %2").arg(QString::fromLatin1(method), target));

    WebResponse response;
    if (parts.size() != 3 || !path.startsWith(u'/'))
        response = {400, "text/plain", {}, "Bad request\n"};
    else if (method != "GET" && method != "HEAD")
        response = {501, "text/plain", {}, "Only GET and HEAD are served\n"};
    else
        response = webPageFor(path);

    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reasonPhrase(response.status) +
                      "\r\nContent-Type: " + response.contentType +
                      "\r\nContent-Length: " + QByteArray::number(response.body.size()) + "\r\nConnection: close\r\n" +
                      response.extraHeaders + "\r\n";
    socket->write(head);
    if (method != "HEAD")
        socket->write(response.body);
    socket->disconnectFromHost();
}
