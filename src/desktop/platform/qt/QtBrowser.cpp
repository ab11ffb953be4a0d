#include "desktop/platform/qt/QtBrowser.h"

#include "core/platform/WebMessages.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

// How long a helper that was let go may take to end by itself before it is killed.
constexpr int kHelperGraceMs = 5000;
constexpr int kExitWaitMs = 2000;

// The program is ending: the helper goes now, without leaving the engine's processes behind.
void endAtExit(QProcess* process)
{
    process->disconnect();
    process->terminate();
    if (!process->waitForFinished(kExitWaitMs)) {
        process->kill();
        process->waitForFinished(kExitWaitMs);
    }
    delete process;
}

// The browser's place in the web window: a native window of its own that holds the helper's page
// window at its size, and hides it with itself, also when the layout leaves it no room.
class PagePlace : public QWidget
{
public:
    explicit PagePlace(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_NativeWindow); }

    void embed(QWindow* page)
    {
        winId();
        m_page = page;
        page->setParent(windowHandle());
        fit();
        page->show();
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        fit();
    }

private:
    void fit()
    {
        // A window cannot be empty; the place that holds it is then not shown at all.
        if (m_page)
            m_page->setGeometry(0, 0, std::max(1, width()), std::max(1, height()));
    }

    QPointer<QWindow> m_page;
};

// The browser's side of the helper: a placeholder widget in the web window, the helper process, and
// the socket between them. The page appears inside the placeholder where the platform can embed a
// window of another process (X11), and as the helper's own window elsewhere.
class QtBrowserControl : public BrowserControl
{
public:
    QtBrowserControl(QWidget* parent, const QString& helperProgram, const QString& downloadFolder);
    ~QtBrowserControl() override;

    QWidget* widget() override { return m_placeholder; }
    void Navigate(const QString& url) override;
    void GoBack() override { send({WebMessage::Kind::Back}); }
    void GoForward() override { send({WebMessage::Kind::Forward}); }
    void Refresh() override { send({WebMessage::Kind::Refresh}); }
    void Stop() override;
    bool Busy() const override { return m_busy; }
    QString LocationName() const override { return m_location; }

private:
    void startHelper();
    void letHelperGo(bool atExit = false);
    void helperConnected();
    void readMessages();
    void handle(const WebMessage& message);
    void embed(quint64 windowId);
    void send(const WebMessage& message);
    void helperEnded(BrowserEnd end = BrowserEnd::Stopped);

    QString m_helperProgram;
    QString m_downloadFolder;
    QPointer<PagePlace> m_placeholder;
    QPointer<QWindow> m_pageWindow;
    QLocalServer* m_server = nullptr;
    QLocalSocket* m_socket = nullptr;
    QProcess* m_process = nullptr;
    WebProtocol m_protocol;
    // What is said before the helper has connected.
    QList<WebMessage> m_queued;
    bool m_running = false;
    bool m_busy = false;
    QString m_location;
};

QtBrowserControl::QtBrowserControl(QWidget* parent, const QString& helperProgram, const QString& downloadFolder)
    : m_helperProgram(helperProgram), m_downloadFolder(downloadFolder), m_placeholder(new PagePlace(parent))
{
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, m_placeholder, [this] { letHelperGo(true); });
}

QtBrowserControl::~QtBrowserControl()
{
    letHelperGo();
    delete m_placeholder;
}

void QtBrowserControl::Navigate(const QString& url)
{
    // A helper that ended is replaced by the next page.
    if (!m_running)
        startHelper();
    m_busy = true;
    send({WebMessage::Kind::Navigate, url});
}

void QtBrowserControl::Stop()
{
    m_busy = false;
    send({WebMessage::Kind::Stop});
}

void QtBrowserControl::startHelper()
{
    m_running = true;
    m_protocol = WebProtocol();
    m_queued.clear();
    if (m_helperProgram.isEmpty()) {
        qWarning("veltaro: the web helper veltaro-web is neither beside the program nor installed");
        QTimer::singleShot(0, m_placeholder, [this] { helperEnded(BrowserEnd::HelperMissing); });
        return;
    }
    m_server = new QLocalServer;
    // Only this user may connect; the name cannot be guessed ahead of time.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = QStringLiteral("veltaro-web-%1-%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QRandomGenerator::global()->generate64(), 0, 16);
    if (!m_server->listen(name)) {
        qWarning("veltaro: no local socket for the web helper: %s", qPrintable(m_server->errorString()));
        QTimer::singleShot(0, m_placeholder, [this] { helperEnded(); });
        return;
    }
    QObject::connect(m_server, &QLocalServer::newConnection, m_placeholder, [this] { helperConnected(); });

    m_process = new QProcess;
    m_process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(m_process, &QProcess::finished, m_placeholder, [this] { helperEnded(); });
    QObject::connect(m_process, &QProcess::errorOccurred, m_placeholder, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            qWarning("veltaro: the web helper %s could not be started", qPrintable(m_helperProgram));
            helperEnded();
        }
    });
    m_process->start(m_helperProgram, {m_server->fullServerName(), m_downloadFolder});
}

void QtBrowserControl::helperConnected()
{
    QLocalSocket* socket = m_server->nextPendingConnection();
    if (!socket || m_socket)
        return;
    // One helper, one connection: nobody else gets in after it.
    m_server->close();
    m_socket = socket;
    QObject::connect(m_socket, &QLocalSocket::readyRead, m_placeholder, [this] { readMessages(); });
    QObject::connect(m_socket, &QLocalSocket::disconnected, m_placeholder, [this] { helperEnded(); });
    const QList<WebMessage> queued = std::exchange(m_queued, {});
    for (const WebMessage& message : queued)
        send(message);
}

void QtBrowserControl::readMessages()
{
    if (!m_socket)
        return;
    const QList<WebMessage> messages = m_protocol.feed(m_socket->readAll());
    for (const WebMessage& message : messages)
        handle(message);
    if (m_protocol.broken()) {
        qWarning("veltaro: the web helper sent something that is not a message; ending it");
        helperEnded();
    }
}

void QtBrowserControl::handle(const WebMessage& message)
{
    switch (message.kind) {
    case WebMessage::Kind::Window:
        embed(message.number);
        break;
    case WebMessage::Kind::Busy:
        m_busy = message.flag;
        break;
    case WebMessage::Kind::Location:
        m_location = message.text;
        break;
    case WebMessage::Kind::PageLoaded:
        m_busy = false;
        if (onDownloadComplete)
            onDownloadComplete();
        break;
    case WebMessage::Kind::Download:
        if (onFileDownloaded)
            onFileDownloaded(message.text, message.flag);
        break;
    default:
        // The program's own words coming back are no news.
        break;
    }
}

void QtBrowserControl::embed(quint64 windowId)
{
    // Only X11 can hold another process's window. The helper makes its window anew once the page
    // needs OpenGL, and sends the new one.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        delete m_pageWindow;
        m_pageWindow = QWindow::fromWinId(WId(windowId));
        if (m_pageWindow)
            m_placeholder->embed(m_pageWindow);
    }
    send({WebMessage::Kind::Show});
}

void QtBrowserControl::send(const WebMessage& message)
{
    if (!m_running)
        return;
    if (!m_socket) {
        m_queued.append(message);
        return;
    }
    m_socket->write(WebProtocol::encode(message));
}

void QtBrowserControl::helperEnded(BrowserEnd end)
{
    if (!m_running)
        return;
    letHelperGo();
    m_busy = false;
    if (onEnded)
        onEnded(end);
}

// Ends the connection, which ends the helper. The helper is given a moment to end by itself before it
// is killed; nothing waits for it but the program's exit, which leaves no helper behind.
void QtBrowserControl::letHelperGo(bool atExit)
{
    if (!m_running)
        return;
    m_running = false;
    m_queued.clear();
    if (m_pageWindow) {
        // Out of the web window before that window goes, which would take the helper's window with it.
        if (m_socket && m_socket->state() == QLocalSocket::ConnectedState) {
            m_pageWindow->hide();
            m_pageWindow->setParent(nullptr);
        }
        delete m_pageWindow;
    }
    if (m_socket) {
        m_socket->disconnect(m_placeholder);
        m_socket->abort();
        m_socket->deleteLater();
        m_socket = nullptr;
    }
    if (m_server) {
        m_server->deleteLater();
        m_server = nullptr;
    }
    if (m_process) {
        QProcess* process = std::exchange(m_process, nullptr);
        process->disconnect(m_placeholder);
        if (process->state() == QProcess::NotRunning) {
            process->deleteLater();
            return;
        }
        if (atExit) {
            endAtExit(process);
            return;
        }
        // Owned by the application from here on, so that it outlives the web window.
        process->setParent(QCoreApplication::instance());
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        QTimer::singleShot(kHelperGraceMs, process, [process] { process->kill(); });
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, process, [process] { endAtExit(process); });
    }
}

} // namespace

bool QtDesktop::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

QString QtDesktop::downloadFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
}

QString QtBrowserFactory::findHelper(const QString& programFolder)
{
    // A copy of the program taken elsewhere still finds the helper where it was installed.
    const QString beside = QDir(programFolder).filePath(QStringLiteral("veltaro-web"));
    if (QFileInfo(beside).isExecutable())
        return beside;
#ifdef VELTARO_LIBEXECDIR
    // A package keeps the helper off the PATH.
    const QString packaged = QStringLiteral(VELTARO_LIBEXECDIR "/veltaro-web");
    if (QFileInfo(packaged).isExecutable())
        return packaged;
#endif
    return QStandardPaths::findExecutable(QStringLiteral("veltaro-web"));
}

QString QtBrowserFactory::findHelper()
{
    return findHelper(QCoreApplication::applicationDirPath());
}

QtBrowserFactory::QtBrowserFactory(const Desktop& desktop, QString helperProgram)
    : m_desktop(desktop), m_helperProgram(std::move(helperProgram))
{}

std::unique_ptr<BrowserControl> QtBrowserFactory::create(QWidget* parent)
{
    return std::make_unique<QtBrowserControl>(parent, m_helperProgram.isEmpty() ? findHelper() : m_helperProgram,
                                              m_desktop.downloadFolder());
}
