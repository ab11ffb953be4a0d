#pragma once

#include "desktop/platform/BrowserControl.h"

#include <QList>
#include <QPixmap>
#include <QWidget>

#include <memory>

class QToolBar;
class Timer;
struct ClientState;
struct Platform;

// The small web window: a toolbar and a browser that is created only when the window really goes
// to a page. A window is loaded by its first show and stays loaded until the user closes it.
class WebWindow : public QWidget
{
    Q_OBJECT

public:
    WebWindow(ClientState& state, Platform& platform, QWidget* parent = nullptr);
    ~WebWindow() override;

    // Loads the window when it is not loaded (navigating to browserURL), then shows it. A window
    // that is still loaded is only shown: it does not navigate again.
    void showWindow();
    bool isLoaded() const { return m_loaded; }

    // Sends the browser to an address. A script that opens a page in a new window hands that page
    // to the desktop instead; addresses other than http and https go nowhere.
    void navigate(const QString& url);

    void setCaption(const QString& caption);
    QString caption() const;
    // Outer size, frame and title bar included.
    void setOuterSizeTwips(int width, int height);
    int outerWidthTwips() const;
    int outerHeightTwips() const;

    // Event handlers.
    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void tbToolBar_ButtonClick(const QString& key);
    void startCaptionTimer();
    void timTimer_Timer();
    void brwWebBrowser_DownloadComplete();
    void brwWebBrowser_FileDownloaded(const QString& path, bool ok);
    void brwWebBrowser_Ended(BrowserEnd end);

    QToolBar* tbToolBar = nullptr;
    std::unique_ptr<BrowserControl> brwWebBrowser;
    std::unique_ptr<Timer> timTimer;
    QList<QPixmap> imlIcons;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildToolBar();
    bool createBrowser();
    QString locationName() const;

    ClientState& m_state;
    Platform& m_platform;
    bool m_loaded = false;
};

// Opens a page of the service's web site in the desktop's browser through a launcher window.
void openServicePage(ClientState& state, Platform& platform, const QString& path);
