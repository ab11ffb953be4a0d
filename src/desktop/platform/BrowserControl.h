#pragma once

#include <QString>

#include <functional>
#include <memory>

class QWidget;

// Why a browser ended by itself.
enum class BrowserEnd
{
    // Its process died; the next Navigate starts it anew.
    Stopped,
    // The program that shows pages is nowhere to be found.
    HelperMissing,
};

// The embeddable web browser of the web window.
class BrowserControl
{
public:
    virtual ~BrowserControl() = default;

    virtual QWidget* widget() = 0;
    virtual void Navigate(const QString& url) = 0;
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    virtual void Refresh() = 0;
    virtual void Stop() = 0;
    virtual bool Busy() const = 0;
    virtual QString LocationName() const = 0;

    // A page (or a step of it) has finished loading.
    std::function<void()> onDownloadComplete;
    // A file download ended: the path it was saved to, and whether it succeeded.
    std::function<void(const QString& path, bool ok)> onFileDownloaded;
    // The browser ended by itself: the page is gone, the next Navigate starts anew.
    std::function<void(BrowserEnd)> onEnded;
};

class BrowserFactory
{
public:
    virtual ~BrowserFactory() = default;
    // Creates a browser inside `parent`. The engine is heavy: only called when a page is really shown.
    virtual std::unique_ptr<BrowserControl> create(QWidget* parent) = 0;
};
