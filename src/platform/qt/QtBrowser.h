#pragma once

#include "platform/BrowserControl.h"
#include "platform/Desktop.h"

class QtDesktop : public Desktop
{
public:
    bool openUrl(const QUrl& url) override;
    QString downloadFolder() const override;
};

// Makes browsers whose page runs in the web helper `veltaro-web`, a process started for each browser
// and ended with it, so that the web engine costs nothing while no page is shown. Files that a page
// downloads go into the desktop's download folder.
class QtBrowserFactory : public BrowserFactory
{
public:
    // `helperProgram` empty: `veltaro-web` beside the running program, else where it was installed.
    explicit QtBrowserFactory(const Desktop& desktop, QString helperProgram = QString());

    std::unique_ptr<BrowserControl> create(QWidget* parent) override;

private:
    const Desktop& m_desktop;
    QString m_helperProgram;
};
