#include "platform/qt/QtBrowser.h"

#include <QDesktopServices>
#include <QStandardPaths>

// Placeholder until the web window lands.
std::unique_ptr<BrowserControl> QtBrowserFactory::create(QWidget*)
{
    return nullptr;
}

bool QtDesktop::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

QString QtDesktop::downloadFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
}
