#pragma once

#include "desktop/platform/BrowserControl.h"
#include "desktop/platform/Desktop.h"

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
    // `helperProgram` empty: `veltaro-web` as findHelper finds it.
    explicit QtBrowserFactory(const Desktop& desktop, QString helperProgram = QString());

    // `veltaro-web` beside the program, else where it was installed (the package's helper folder
    // where the build names one, or the PATH); empty when neither.
    static QString findHelper(const QString& programFolder);
    static QString findHelper();

    std::unique_ptr<BrowserControl> create(QWidget* parent) override;

private:
    const Desktop& m_desktop;
    QString m_helperProgram;
};
