#include "ServerProcess.h"
#include "TestSupport.h"

#include "platform/qt/QtBrowser.h"
#include "platform/qt/QtTimers.h"
#include "ui/browser/frmBrowser.h"

#include <QFile>
#include <QTemporaryDir>
#include <QWebEnginePage>

namespace {

constexpr int kPageTimeoutMs = 30000;

class TemporaryDesktop : public FakeDesktop
{
public:
    QString downloadFolder() const override { return folder.path(); }
    QTemporaryDir folder;
};

// Whether the engine runs at all on this machine (no display, no GPU, a sandbox that will not start):
// a page made in memory must load and give its title.
bool engineWorks()
{
    static const bool works = [] {
        QWebEnginePage page;
        page.setHtml(QStringLiteral("<title>probe</title>"));
        return runUntil([&] { return page.title() == QLatin1String("probe"); }, kPageTimeoutMs);
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

    void showPage(const char* path)
    {
        state.browserURL = QStringLiteral("http://127.0.0.1:%1%2").arg(server.httpPort()).arg(QLatin1String(path));
        state.frmBrowser->showWindow();
    }

    ServerProcess server;
    QtTimers timers;
    TemporaryDesktop desktop;
    QtBrowserFactory browsers{desktop};
    FakePlatform fake;
    Platform platform{timers,       timers,          fake.messageBoxes, fake.app,       fake.files,
                      fake.sockets, fake.tray,       fake.registry,     fake.processes, browsers,
                      desktop,      fake.loginStart, fake.network};
    ClientState state;
};

TEST_F(WebEngineTest, PageTitleBecomesTheCaption)
{
    showPage("/faq.php");
    EXPECT_TRUE(runUntil([&] { return state.frmBrowser->caption() == "Frequently Asked Questions"; }, kPageTimeoutMs))
        << "caption: " << state.frmBrowser->caption().toStdString();
    EXPECT_TRUE(server.waitForLine("HTTP GET /faq.php"));
}

TEST_F(WebEngineTest, DownloadIsSavedInTheDownloadFolder)
{
    ASSERT_TRUE(desktop.folder.isValid());
    showPage("/downloads/Veltaro.exe");
    state.frmBrowser->hide();

    ASSERT_TRUE(runUntil([&] { return !fake.messageBoxes.shown().empty(); }, kPageTimeoutMs));
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
