#include "desktop/web/WebWindow.h"

#include "BuildConfig.h"
#include "core/protocol/Replies.h"
#include "desktop/platform/Platform.h"

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
#include <QVBoxLayout>

namespace {

// Where the window first appears, and its smallest size: smaller than this, no page can be read.
constexpr QPoint kFirstPlace(204, 223);
constexpr QSize kSmallestSize(472, 333);
// The browser's margins below the toolbar.
constexpr QMargins kBrowserMargins(3, 5, 3, 0);

constexpr int kCaptionIntervalMs = 5;

const QColor kMaskColour(192, 192, 192);
const char* const kIconFiles[] = {":/back.png",    ":/forward.png", ":/stop.png",
                                  ":/refresh.png", ":/home.png",    ":/search.png"};

struct ToolButton
{
    const char* key;
    const char* text;
    int picture;
};
// The key is the button's own; the text is what the tip shows and a screen reader says.
constexpr ToolButton kButtons[] = {{"Back", QT_TRANSLATE_NOOP("WebWindow", "Back"), 0},
                                   {"Forward", QT_TRANSLATE_NOOP("WebWindow", "Forward"), 1},
                                   {"Stop", QT_TRANSLATE_NOOP("WebWindow", "Stop"), 2},
                                   {"Refresh", QT_TRANSLATE_NOOP("WebWindow", "Refresh"), 3}};

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
    move(kFirstPlace);
    setMinimumSize(kSmallestSize);
    buildToolBar();
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(m_toolBar);
    layout->setContentsMargins(kBrowserMargins);
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
        // The buttons show pictures only: the tip and the screen reader say what they do.
        action->setToolTip(tr(button.text));
        m_toolBar->widgetForAction(action)->setAccessibleName(tr(button.text));
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
    layout()->addWidget(m_browser->widget());
    m_browser->widget()->show();
    return true;
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
        setCaption(tr("Working..."));
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
    const QString text =
        ok ? tr("Download complete. The file was saved as %1").arg(file) : tr("The download of %1 failed.").arg(file);
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
    setCaption(end == BrowserEnd::HelperMissing
                   ? tr("The web page cannot be shown: veltaro-web, which shows it, is neither beside Veltaro nor "
                        "installed.")
                   : tr("The web page is gone: its browser has stopped."));
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
