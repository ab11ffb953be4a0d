#pragma once

#include "desktop/platform/BrowserControl.h"
#include "desktop/platform/Desktop.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QUrl>
#include <QWidget>

class FakeBrowserFactory;

// A browser that loads nothing: it records what it is asked to do, keeps a history of the
// addresses it was sent to, and lets the test say what it reports.
class FakeBrowser : public BrowserControl
{
public:
    explicit FakeBrowser(QWidget* parent);
    ~FakeBrowser() override;

    QWidget* widget() override { return m_widget; }
    void Navigate(const QString& url) override;
    // Moves through the history when there is somewhere to go; the call is recorded either way.
    void GoBack() override;
    void GoForward() override;
    void Refresh() override;
    void Stop() override;
    bool Busy() const override { return busy; }
    QString LocationName() const override { return locationName; }

    // The address the history points at, or "" before the first navigation.
    QString currentUrl() const;

    // Lets the test play the browser's events.
    void fireDownloadComplete();
    void fireFileDownloaded(const QString& path, bool ok);
    void fireEnded(BrowserEnd end = BrowserEnd::Stopped);

    // Every call in order: "Navigate <url>", "GoBack", "GoForward", "Refresh", "Stop".
    QStringList calls;
    QStringList navigations;
    bool busy = false;
    QString locationName;

private:
    friend class FakeBrowserFactory;

    QPointer<QWidget> m_widget;
    QStringList m_history;
    int m_position = -1;
    FakeBrowserFactory* m_factory = nullptr;
};

class FakeBrowserFactory : public BrowserFactory
{
public:
    std::unique_ptr<BrowserControl> create(QWidget* parent) override;

    int created = 0;
    // The browser created last, while it lives.
    FakeBrowser* latest = nullptr;
};

class FakeDesktop : public Desktop
{
public:
    bool openUrl(const QUrl& url) override
    {
        opened.append(url);
        return true;
    }
    QString downloadFolder() const override { return QStringLiteral("/downloads"); }

    QList<QUrl> opened;
};
