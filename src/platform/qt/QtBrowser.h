#pragma once

#include "platform/BrowserControl.h"
#include "platform/Desktop.h"

class QtBrowserFactory : public BrowserFactory
{
public:
    std::unique_ptr<BrowserControl> create(QWidget* parent) override;
};

class QtDesktop : public Desktop
{
public:
    bool openUrl(const QUrl& url) override;
    QString downloadFolder() const override;
};
