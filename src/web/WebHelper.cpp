#include "web/WebHelper.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QUrl>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineView>

WebHelper::WebHelper(const QString& downloadFolder) : m_downloadFolder(downloadFolder), m_view(new QWebEngineView)
{
    // A native window from the start, so that its id can be sent before the page is shown.
    m_view->setAttribute(Qt::WA_NativeWindow);
    connect(m_view, &QWebEngineView::loadStarted, this, [this] { send({WebMessage::Kind::Busy, {}, true}); });
    connect(m_view, &QWebEngineView::loadFinished, this, [this](bool) {
        send({WebMessage::Kind::Busy, {}, false});
        sendLocation();
        send({WebMessage::Kind::PageLoaded});
    });
    connect(m_view, &QWebEngineView::titleChanged, this, [this] { sendLocation(); });
    connect(m_view, &QWebEngineView::urlChanged, this, [this] { sendLocation(); });
    connect(m_view->page()->profile(), &QWebEngineProfile::downloadRequested, this,
            [this](QWebEngineDownloadRequest* download) { downloadRequested(download); });
    m_view->installEventFilter(this);
    connect(&m_socket, &QLocalSocket::readyRead, this, &WebHelper::readMessages);
    // Queued: the program may go before the event loop runs.
    connect(&m_socket, &QLocalSocket::disconnected, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

WebHelper::~WebHelper()
{
    delete m_view;
}

bool WebHelper::connectTo(const QString& serverName)
{
    m_socket.connectToServer(serverName);
    if (!m_socket.waitForConnected(5000))
        return false;
    send({WebMessage::Kind::Window, {}, false, quint64(m_view->winId())});
    return true;
}

bool WebHelper::eventFilter(QObject* watched, QEvent* event)
{
    // The view's window is made anew when the page first needs OpenGL: the program embeds the new one.
    if (watched == m_view && event->type() == QEvent::WinIdChange && m_view->internalWinId())
        send({WebMessage::Kind::Window, {}, false, quint64(m_view->internalWinId())});
    return QObject::eventFilter(watched, event);
}

void WebHelper::readMessages()
{
    const QList<WebMessage> messages = m_protocol.feed(m_socket.readAll());
    for (const WebMessage& message : messages)
        handle(message);
    if (m_protocol.broken()) {
        qWarning("veltaro-web: the program sent something that is not a message; ending");
        m_socket.abort();
        QCoreApplication::quit();
    }
}

void WebHelper::handle(const WebMessage& message)
{
    if (!m_view)
        return;
    switch (message.kind) {
    case WebMessage::Kind::Navigate: {
        // The program sends only web addresses; nothing else is loaded whoever asks.
        const QUrl url(message.text);
        if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
            m_view->load(url);
        break;
    }
    case WebMessage::Kind::Back:
        m_view->back();
        break;
    case WebMessage::Kind::Forward:
        m_view->forward();
        break;
    case WebMessage::Kind::Stop:
        m_view->stop();
        break;
    case WebMessage::Kind::Refresh:
        m_view->reload();
        break;
    case WebMessage::Kind::Show:
        m_view->show();
        break;
    default:
        // The helper's own words coming back are no orders.
        break;
    }
}

void WebHelper::send(const WebMessage& message)
{
    if (m_socket.state() == QLocalSocket::ConnectedState)
        m_socket.write(WebProtocol::encode(message));
}

void WebHelper::sendLocation()
{
    const QString title = m_view->title();
    const QString location = title.isEmpty() ? m_view->url().toString() : title;
    m_view->setWindowTitle(location);
    send({WebMessage::Kind::Location, location});
}

void WebHelper::downloadRequested(QWebEngineDownloadRequest* download)
{
    if (download->page() != m_view->page() || download->state() != QWebEngineDownloadRequest::DownloadRequested)
        return;
    QDir().mkpath(m_downloadFolder);
    // Setting the folder also picks a file name there that does not overwrite an existing file.
    download->setDownloadDirectory(m_downloadFolder);
    connect(download, &QWebEngineDownloadRequest::isFinishedChanged, this, [this, download] {
        if (!download->isFinished())
            return;
        const QString path = QDir(download->downloadDirectory()).filePath(download->downloadFileName());
        send({WebMessage::Kind::Download, path, download->state() == QWebEngineDownloadRequest::DownloadCompleted});
    });
    download->accept();
}
