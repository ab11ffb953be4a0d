#pragma once

#include "platform/BrowserControl.h"
#include "platform/Desktop.h"

class QtDesktop : public Desktop
{
public:
    bool openUrl(const QUrl& url) override;
    QString downloadFolder() const override;
};

// Makes browsers on the web engine. Files that a page downloads go into the desktop's download folder.
class QtBrowserFactory : public BrowserFactory
{
public:
    explicit QtBrowserFactory(const Desktop& desktop);

    std::unique_ptr<BrowserControl> create(QWidget* parent) override;

private:
    const Desktop& m_desktop;
};
