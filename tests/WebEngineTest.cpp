#include "ServerProcess.h"

#include "platform/fake/FakePlatform.h"
#include "platform/qt/QtBrowser.h"
#include "platform/qt/QtTimers.h"
#include "state/ClientState.h"
#include "ui/Windows.h"
#include "ui/browser/frmBrowser.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>

#include <functional>

#include <gtest/gtest.h>

namespace {

constexpr int kPageTimeoutMs = 30000;

class TemporaryDesktop : public FakeDesktop
{
public:
    QString downloadFolder() const override { return folder.path(); }
    QTemporaryDir folder;
};

// Runs the event loop until `done` holds or the time is up.
bool waitFor(const std::function<bool()>& done, int timeoutMs = kPageTimeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QTimer wakeUp;
    wakeUp.start(20);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// Whether the engine runs at all on this machine (no display, no GPU, a sandbox that will not start):
// a page made in memory must load and give its title.
bool engineWorks()
{
    static const bool works = [] {
        QWebEnginePage page;
        page.setHtml(QStringLiteral("<title>probe</title>"));
        return waitFor([&] { return page.title() == QLatin1String("probe"); });
    }();
    return works;
}

// The real web engine in the web window, against the reference server's pages; everything else fake
// but the timers, which run on the event loop.
class WebEngineTest : public ::testing::Test
{
protected:
    WebEngineTest() { installWindowFactories(state, platform); }

    void SetUp() override
    {
        if (!engineWorks())
            GTEST_SKIP() << "the web engine cannot load a page offscreen on this machine";
        ASSERT_TRUE(server.isListening());
    }

    QString pageAddress(const QString& path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(server.httpPort()).arg(path);
    }

    ServerProcess server;
    QtTimers timers;
    TemporaryDesktop desktop;
    QtBrowserFactory browsers{desktop};
    FakePlatform fake;
    Platform platform{timers,    timers,        fake.messageBoxes, fake.app, fake.files, fake.sockets,
                      fake.tray, fake.registry, fake.processes,    browsers, desktop};
    ClientState state;
};

TEST_F(WebEngineTest, PageTitleBecomesTheCaption)
{
    state.browserURL = pageAddress(QStringLiteral("/faq.php"));
    state.frmBrowser->showWindow();

    EXPECT_TRUE(waitFor([&] { return state.frmBrowser->caption() == "Frequently Asked Questions"; }))
        << "caption: " << state.frmBrowser->caption().toStdString();
    EXPECT_TRUE(server.waitForLine("HTTP GET /faq.php"));
}

TEST_F(WebEngineTest, DownloadIsSavedInTheDownloadFolder)
{
    ASSERT_TRUE(desktop.folder.isValid());
    state.browserURL = pageAddress(QStringLiteral("/downloads/Veltaro.exe"));
    state.frmBrowser->showWindow();
    state.frmBrowser->hide();

    ASSERT_TRUE(waitFor([&] { return !fake.messageBoxes.shown().empty(); }));
    const QString path = desktop.folder.filePath(QStringLiteral("Veltaro.exe"));
    EXPECT_TRUE(fake.messageBoxes.shown().front().text.contains(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 16 * 1024);
    for (int i = 0; i < bytes.size(); ++i)
        ASSERT_EQ(uchar(bytes[i]), i % 251) << "at byte " << i;
}

} // namespace
