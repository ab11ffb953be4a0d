#include "support/fakes/FakeBrowser.h"

#include <QWidget>

FakeBrowser::FakeBrowser(QWidget* parent) : m_widget(new QWidget(parent))
{
    m_widget->setObjectName(QStringLiteral("fakeBrowserView"));
}

FakeBrowser::~FakeBrowser()
{
    if (m_factory && m_factory->latest == this)
        m_factory->latest = nullptr;
    delete m_widget;
}

void FakeBrowser::Navigate(const QString& url)
{
    calls.append(QStringLiteral("Navigate ") + url);
    navigations.append(url);
}

void FakeBrowser::Stop()
{
    calls.append(QStringLiteral("Stop"));
    busy = false;
}

void FakeBrowser::fireDownloadComplete()
{
    if (onDownloadComplete)
        onDownloadComplete();
}

void FakeBrowser::fireFileDownloaded(const QString& path, bool ok)
{
    if (onFileDownloaded)
        onFileDownloaded(path, ok);
}

void FakeBrowser::fireEnded(BrowserEnd end)
{
    busy = false;
    if (onEnded)
        onEnded(end);
}

std::unique_ptr<BrowserControl> FakeBrowserFactory::create(QWidget* parent)
{
    ++created;
    auto browser = std::make_unique<FakeBrowser>(parent);
    browser->m_factory = this;
    latest = browser.get();
    return browser;
}
