#include "desktop/web/WebWindow.h"

#include "BuildConfig.h"
#include "core/protocol/Replies.h"
#include "desktop/platform/Platform.h"
#include "desktop/widgets/Twips.h"

#include <QAction>
#include <QBitmap>
#include <QCloseEvent>
#include <QDir>
#include <QList>
#include <QPixmap>
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

WebWindow::WebWindow(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      m_platform(platform)
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
    QList<QPixmap> icons;
    for (const char* file : kIconFiles) {
        QPixmap picture{QString::fromLatin1(file)};
        picture.setMask(picture.createMaskFromColor(kMaskColour));
        icons.append(picture);
    }

    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(24, 24));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const ToolButton& button : kButtons) {
        const QString key = QLatin1String(button.key);
        QAction* action = m_toolBar->addAction(QIcon(icons.value(button.picture)), QString());
        action->setObjectName(key);
        action->setData(key);
        action->setToolTip(key);
    }
    connect(m_toolBar, &QToolBar::actionTriggered, this,
            [this](QAction* action) { toolButtonClicked(action->data().toString()); });
}

void WebWindow::showWindow()
{
    if (!m_loaded) {
        load();
        return;
    }
    show();
}

void WebWindow::load()
{
    m_loaded = true;
    show();
    m_toolBar->update();
    layOut();
    if (!m_pageAddress.isEmpty()) {
        startCaptionTimer();
        navigate(m_pageAddress);
    }
}

void WebWindow::unload()
{
    m_loaded = false;
    timTimer->stop();
    // The engine is heavy; a closed window holds no page.
    m_browser.reset();
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
    m_browser->Navigate(url);
}

bool WebWindow::createBrowser()
{
    if (m_browser)
        return true;
    m_browser = m_platform.browsers.create(this);
    if (!m_browser)
        return false;
    m_browser->widget()->setObjectName(QStringLiteral("browser"));
    m_browser->onDownloadComplete = [this] { pageLoaded(); };
    m_browser->onFileDownloaded = [this](const QString& path, bool ok) { fileDownloaded(path, ok); };
    m_browser->onEnded = [this](BrowserEnd end) { browserEnded(end); };
    m_browser->widget()->show();
    layOut();
    return true;
}

void WebWindow::layOut()
{
    m_toolBar->setGeometry(0, twipsToPixels(kToolBarTop), width(), twipsToPixels(kToolBarHeight));
    if (!m_browser)
        return;
    // A window smaller than the toolbar and the margins leaves no room: the browser shrinks to nothing.
    const int browserWidth = std::max(0, outerWidthTwips() - 2 * kBrowserLeft - kBrowserWidthAllowance);
    const int browserHeight = std::max(0, outerHeightTwips() - kBrowserTop - kToolBarTop - kToolBarHeight);
    m_browser->widget()->setGeometry(twipsToPixels(kBrowserLeft), twipsToPixels(kBrowserTop),
                                     twipsToPixels(browserWidth), twipsToPixels(browserHeight));
}

void WebWindow::toolButtonClicked(const QString& key)
{
    startCaptionTimer();
    BrowserControl* browser = m_browser.get();
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
    if (m_browser && m_browser->Busy()) {
        setCaption(QStringLiteral("Working..."));
        return;
    }
    timTimer->stop();
    setCaption(locationName());
}

void WebWindow::pageLoaded()
{
    setCaption(locationName());
}

void WebWindow::fileDownloaded(const QString& path, bool ok)
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

void WebWindow::browserEnded(BrowserEnd end)
{
    timTimer->stop();
    setCaption(QLatin1String(end == BrowserEnd::HelperMissing ? kHelperMissingCaption : kBrowserEndedCaption));
    // The window holds no page any more: the next page request loads it again.
    m_loaded = false;
}

QString WebWindow::locationName() const
{
    return m_browser ? m_browser->LocationName() : QString();
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
    layOut();
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
    layOut();
}

void WebWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    unload();
}

void openServicePage(Platform& platform, const QString& path, QWidget* owner)
{
    auto* launcher = new WebWindow(platform, owner);
    launcher->setPageAddress(QStringLiteral("javascript:window.open('") + QLatin1String(BuildConfig::webSite) + path +
                             QStringLiteral("','_new')"));
    launcher->setAttribute(Qt::WA_DontShowOnScreen);
    launcher->showWindow();
    launcher->hide();
}
