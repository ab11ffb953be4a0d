#pragma once

#include "platform/BrowserControl.h"
#include "platform/Desktop.h"

#include <QList>
#include <QUrl>

class FakeBrowserFactory : public BrowserFactory
{
public:
    std::unique_ptr<BrowserControl> create(QWidget* parent) override;
    int created = 0;
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
