#include "desktop/web/WebWindow.h"

#include "BuildConfig.h"
#include "core/client/ClientState.h"
#include "core/protocol/Replies.h"
#include "desktop/Twips.h"
#include "desktop/main/MainWindow.h"
#include "desktop/platform/Platform.h"

#include <QAction>
#include <QBitmap>
#include <QCloseEvent>
#include <QDir>
#include <QPointer>
#include <QRegularExpression>
#include <QToolBar>
#include <QUrl>

#include <algorithm>

namespace {

// Design geometry, in twips.
constexpr int kClientLeft = 3060;
constexpr int kClientTop = 3345;
constexpr int kClientWidth = 1965;
constexpr int kClientHeight = 1095;
constexpr int kToolBarTop = 0;
constexpr int kToolBarHeight = 540;
constexpr int kBrowserLeft = 45;
constexpr int kBrowserTop = 615;
// Room the layout leaves beside the browser for the frame.
constexpr int kBrowserWidthAllowance = 100;
// What the sizable border and the title bar add to the client area.
constexpr int kFrameWidth = 120;
constexpr int kFrameHeight = 405;

constexpr int kCaptionIntervalMs = 5;

const char* const kBrowserEndedCaption = "The web page is gone: its browser has stopped.";
const char* const kHelperMissingCaption =
    "The web page cannot be shown: veltaro-web, which shows it, is neither beside Veltaro nor installed.";
// Smaller than this, no page can be read (the window's own design data is smaller still).
constexpr int kSmallestOuterWidth = 7200;
constexpr int kSmallestOuterHeight = 5400;

const QColor kMaskColour(192, 192, 192);
const char* const kIconFiles[] = {":/back.png",    ":/forward.png", ":/stop.png",
                                  ":/refresh.png", ":/home.png",    ":/search.png"};

struct ToolButton
{
    const char* key;
    int picture;
};
constexpr ToolButton kButtons[] = {{"Back", 0}, {"Forward", 1}, {"Stop", 2}, {"Refresh", 3}};

// The page that "javascript:window.open('<page>','<name>')" opens, or an empty URL for any other address.
QUrl windowOpenTarget(const QString& address)
{
    static const QRegularExpression script(QStringLiteral(R"(^javascript:window\.open\('([^']*)','[^']*'\)$)"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = script.match(address);
    return match.hasMatch() ? QUrl(match.captured(1)) : QUrl();
}

} // namespace

WebWindow::WebWindow(ClientState& state, Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      m_state(state), m_platform(platform)
{
    setObjectName(QStringLiteral("WebWindow"));
    setGeometry(twipsToPixels(kClientLeft), twipsToPixels(kClientTop), twipsToPixels(kClientWidth),
                twipsToPixels(kClientHeight));
    setMinimumSize(twipsToPixels(kSmallestOuterWidth - kFrameWidth),
                   twipsToPixels(kSmallestOuterHeight - kFrameHeight));
    buildToolBar();
    timTimer =
        platform.timers.createTimer(QStringLiteral("timTimer"), TimerMode::Repeating, [this] { timTimer_Timer(); });
}

WebWindow::~WebWindow() = default;

void WebWindow::buildToolBar()
{
    for (const char* file : kIconFiles) {
        QPixmap picture{QString::fromLatin1(file)};
        picture.setMask(picture.createMaskFromColor(kMaskColour));
        imlIcons.append(picture);
    }

    tbToolBar = new QToolBar(this);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setIconSize(QSize(24, 24));
    tbToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const ToolButton& button : kButtons) {
        const QString key = QLatin1String(button.key);
        QAction* action = tbToolBar->addAction(QIcon(imlIcons.value(button.picture)), QString());
        action->setObjectName(key);
        action->setData(key);
        action->setToolTip(key);
    }
    connect(tbToolBar, &QToolBar::actionTriggered, this,
            [this](QAction* action) { tbToolBar_ButtonClick(action->data().toString()); });
}

void WebWindow::showWindow()
{
    if (!m_loaded) {
        Form_Load();
        return;
    }
    show();
}

void WebWindow::Form_Load()
{
    m_loaded = true;
    show();
    tbToolBar->update();
    Form_Resize();
    if (!m_state.browserURL.isEmpty()) {
        startCaptionTimer();
        navigate(m_state.browserURL);
    }
}

void WebWindow::Form_Unload()
{
    m_loaded = false;
    timTimer->stop();
    // The engine is heavy; a closed window holds no page.
    brwWebBrowser.reset();
}

void WebWindow::navigate(const QString& url)
{
    const QUrl page = windowOpenTarget(url);
    if (!page.isEmpty()) {
        if (isWebAddress(page.toString()))
            m_platform.desktop.openUrl(page);
        return;
    }
    if (!isWebAddress(url) || !createBrowser())
        return;
    brwWebBrowser->Navigate(url);
}

bool WebWindow::createBrowser()
{
    if (brwWebBrowser)
        return true;
    brwWebBrowser = m_platform.browsers.create(this);
    if (!brwWebBrowser)
        return false;
    brwWebBrowser->widget()->setObjectName(QStringLiteral("brwWebBrowser"));
    brwWebBrowser->onDownloadComplete = [this] { brwWebBrowser_DownloadComplete(); };
    brwWebBrowser->onFileDownloaded = [this](const QString& path, bool ok) { brwWebBrowser_FileDownloaded(path, ok); };
    brwWebBrowser->onEnded = [this](BrowserEnd end) { brwWebBrowser_Ended(end); };
    brwWebBrowser->widget()->show();
    Form_Resize();
    return true;
}

void WebWindow::Form_Resize()
{
    tbToolBar->setGeometry(0, twipsToPixels(kToolBarTop), width(), twipsToPixels(kToolBarHeight));
    if (!brwWebBrowser)
        return;
    // A window smaller than the toolbar and the margins leaves no room: the browser shrinks to nothing.
    const int browserWidth = std::max(0, outerWidthTwips() - 2 * kBrowserLeft - kBrowserWidthAllowance);
    const int browserHeight = std::max(0, outerHeightTwips() - kBrowserTop - kToolBarTop - kToolBarHeight);
    brwWebBrowser->widget()->setGeometry(twipsToPixels(kBrowserLeft), twipsToPixels(kBrowserTop),
                                         twipsToPixels(browserWidth), twipsToPixels(browserHeight));
}

void WebWindow::tbToolBar_ButtonClick(const QString& key)
{
    startCaptionTimer();
    BrowserControl* browser = brwWebBrowser.get();
    if (key == QLatin1String("Back")) {
        if (browser)
            browser->GoBack();
    } else if (key == QLatin1String("Forward")) {
        if (browser)
            browser->GoForward();
    } else if (key == QLatin1String("Refresh")) {
        if (browser)
            browser->Refresh();
    } else if (key == QLatin1String("Stop")) {
        timTimer->stop();
        if (browser)
            browser->Stop();
        setCaption(locationName());
    }
}

void WebWindow::startCaptionTimer()
{
    // A running count goes on: clicks in a row do not put the caption off.
    if (!timTimer->isActive())
        timTimer->start(kCaptionIntervalMs);
}

void WebWindow::timTimer_Timer()
{
    if (brwWebBrowser && brwWebBrowser->Busy()) {
        setCaption(QStringLiteral("Working..."));
        return;
    }
    timTimer->stop();
    setCaption(locationName());
}

void WebWindow::brwWebBrowser_DownloadComplete()
{
    setCaption(locationName());
}

void WebWindow::brwWebBrowser_FileDownloaded(const QString& path, bool ok)
{
    const QString file = QDir::toNativeSeparators(path);
    const QString text = ok ? QStringLiteral("Download complete. The file was saved as %1").arg(file)
                            : QStringLiteral("The download of %1 failed.").arg(file);
    // Not inside the engine's own signal: the box waits for the user.
    QPointer<WebWindow> self(this);
    m_platform.timers.post([self, text, ok] {
        if (self)
            self->m_platform.messageBoxes.show(text, self->m_platform.app.title(), MsgButtons::Ok,
                                               ok ? MsgIcon::Information : MsgIcon::Warning);
    });
}

void WebWindow::brwWebBrowser_Ended(BrowserEnd end)
{
    timTimer->stop();
    setCaption(QLatin1String(end == BrowserEnd::HelperMissing ? kHelperMissingCaption : kBrowserEndedCaption));
    // The window holds no page any more: the next page request loads it again.
    m_loaded = false;
}

QString WebWindow::locationName() const
{
    return brwWebBrowser ? brwWebBrowser->LocationName() : QString();
}

void WebWindow::setCaption(const QString& caption)
{
    setWindowTitle(caption);
}

QString WebWindow::caption() const
{
    return windowTitle();
}

void WebWindow::setOuterSizeTwips(int width, int height)
{
    resize(twipsToPixels(std::max(0, width - kFrameWidth)), twipsToPixels(std::max(0, height - kFrameHeight)));
    Form_Resize();
}

int WebWindow::outerWidthTwips() const
{
    return pixelsToTwips(width()) + kFrameWidth;
}

int WebWindow::outerHeightTwips() const
{
    return pixelsToTwips(height()) + kFrameHeight;
}

void WebWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void WebWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    Form_Unload();
}

void openServicePage(ClientState& state, Platform& platform, const QString& path)
{
    state.browserURL = QStringLiteral("javascript:window.open('") + QLatin1String(BuildConfig::webSite) + path +
                       QStringLiteral("','_new')");
    // The main window owns the launcher, so it stays loaded and hidden until the program ends.
    auto* launcher = new WebWindow(state, platform, state.mainWindow.get());
    launcher->setAttribute(Qt::WA_DontShowOnScreen);
    launcher->showWindow();
    launcher->hide();
}
