#pragma once

#include "desktop/platform/BrowserControl.h"

#include <QWidget>

#include <memory>

class QToolBar;
class Timer;
struct Platform;

// The small web window: a toolbar and a browser that is created only when the window really goes
// to a page. A window is loaded by its first show and stays loaded until the user closes it.
class WebWindow : public QWidget
{
    Q_OBJECT

public:
    explicit WebWindow(Platform& platform, QWidget* parent = nullptr);
    ~WebWindow() override;

    // The page the next load goes to; empty for none.
    void setPageAddress(const QString& url) { m_pageAddress = url; }
    // Loads the window when it is not loaded (navigating to the page address), then shows it. A window
    // that is still loaded is only shown: it does not navigate again.
    void showWindow();
    bool isLoaded() const { return m_loaded; }

    // Sends the browser to an address. A script that opens a page in a new window hands that page
    // to the desktop instead; addresses other than http and https go nowhere.
    void navigate(const QString& url);

    void setCaption(const QString& caption);
    QString caption() const;

    // The caption timer's tick.
    void timTimer_Timer();

    std::unique_ptr<Timer> timTimer;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildToolBar();
    void load();
    void unload();
    void toolButtonClicked(const QString& key);
    void startCaptionTimer();
    bool createBrowser();
    void pageLoaded();
    void fileDownloaded(const QString& path, bool ok);
    void browserEnded(BrowserEnd end);
    QString locationName() const;

    Platform& m_platform;
    QString m_pageAddress;
    bool m_loaded = false;
    QToolBar* m_toolBar = nullptr;
    std::unique_ptr<BrowserControl> m_browser;
};

// Opens a page of the service's web site in the desktop's browser through a launcher window,
// which `owner` keeps loaded and hidden until it goes.
void openServicePage(Platform& platform, const QString& path, QWidget* owner);
