#include "platform/qt/QtBrowser.h"

#include <QDesktopServices>
#include <QDir>
#include <QPointer>
#include <QStandardPaths>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {

class QtBrowserControl : public BrowserControl
{
public:
    QtBrowserControl(QWidget* parent, const Desktop& desktop);
    ~QtBrowserControl() override;

    QWidget* widget() override { return m_view; }
    void Navigate(const QString& url) override;
    void GoBack() override;
    void GoForward() override;
    void Refresh() override;
    void Stop() override;
    bool Busy() const override;
    QString LocationName() const override;

private:
    void downloadRequested(QWebEngineDownloadRequest* download);
    void downloadFinished(QWebEngineDownloadRequest* download);

    const Desktop& m_desktop;
    QPointer<QWebEngineView> m_view;
    bool m_loading = false;
};

QtBrowserControl::QtBrowserControl(QWidget* parent, const Desktop& desktop)
    : m_desktop(desktop), m_view(new QWebEngineView(parent))
{
    QObject::connect(m_view, &QWebEngineView::loadStarted, m_view, [this] { m_loading = true; });
    QObject::connect(m_view, &QWebEngineView::loadFinished, m_view, [this](bool) {
        m_loading = false;
        if (onDownloadComplete)
            onDownloadComplete();
    });
    // The profile is shared by every view: each view takes only the downloads of its own page.
    QObject::connect(m_view->page()->profile(), &QWebEngineProfile::downloadRequested, m_view,
                     [this](QWebEngineDownloadRequest* download) { downloadRequested(download); });
}

QtBrowserControl::~QtBrowserControl()
{
    delete m_view;
}

void QtBrowserControl::Navigate(const QString& url)
{
    if (m_view)
        m_view->load(QUrl(url));
}

void QtBrowserControl::GoBack()
{
    if (m_view)
        m_view->back();
}

void QtBrowserControl::GoForward()
{
    if (m_view)
        m_view->forward();
}

void QtBrowserControl::Refresh()
{
    if (m_view)
        m_view->reload();
}

void QtBrowserControl::Stop()
{
    if (m_view)
        m_view->stop();
}

bool QtBrowserControl::Busy() const
{
    return m_loading;
}

QString QtBrowserControl::LocationName() const
{
    if (!m_view)
        return {};
    const QString title = m_view->title();
    return title.isEmpty() ? m_view->url().toString() : title;
}

void QtBrowserControl::downloadRequested(QWebEngineDownloadRequest* download)
{
    if (download->page() != m_view->page() || download->state() != QWebEngineDownloadRequest::DownloadRequested)
        return;
    const QString folder = m_desktop.downloadFolder();
    QDir().mkpath(folder);
    // Setting the folder also picks a file name there that does not overwrite an existing file.
    download->setDownloadDirectory(folder);
    QObject::connect(download, &QWebEngineDownloadRequest::isFinishedChanged, m_view, [this, download] {
        if (download->isFinished())
            downloadFinished(download);
    });
    download->accept();
}

void QtBrowserControl::downloadFinished(QWebEngineDownloadRequest* download)
{
    const QString path = QDir(download->downloadDirectory()).filePath(download->downloadFileName());
    const bool ok = download->state() == QWebEngineDownloadRequest::DownloadCompleted;
    if (onFileDownloaded)
        onFileDownloaded(path, ok);
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

QtBrowserFactory::QtBrowserFactory(const Desktop& desktop) : m_desktop(desktop) {}

std::unique_ptr<BrowserControl> QtBrowserFactory::create(QWidget* parent)
{
    return std::make_unique<QtBrowserControl>(parent, m_desktop);
}
