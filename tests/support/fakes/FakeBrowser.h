#pragma once

#include "desktop/platform/BrowserControl.h"
#include "desktop/platform/Desktop.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QUrl>
#include <QWidget>

class FakeBrowserFactory;

// A browser that loads nothing and records its calls.
class FakeBrowser : public BrowserControl
{
public:
    explicit FakeBrowser(QWidget* parent);
    ~FakeBrowser() override;

    QWidget* widget() override { return m_widget; }
    void Navigate(const QString& url) override
    {
        calls.append(QStringLiteral("Navigate ") + url);
        navigations.append(url);
    }
    void GoBack() override { calls.append(QStringLiteral("GoBack")); }
    void GoForward() override { calls.append(QStringLiteral("GoForward")); }
    void Refresh() override { calls.append(QStringLiteral("Refresh")); }
    void Stop() override
    {
        calls.append(QStringLiteral("Stop"));
        busy = false;
    }
    bool Busy() const override { return busy; }
    QString LocationName() const override { return locationName; }

    QStringList calls;
    QStringList navigations;
    bool busy = false;
    QString locationName;

private:
    friend class FakeBrowserFactory;
    QPointer<QWidget> m_widget;
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
