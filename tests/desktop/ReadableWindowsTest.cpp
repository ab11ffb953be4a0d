// Every window, as a screen reader hears it and as it looks with a larger desktop font.
#include "desktop/about/AboutDialog.h"
#include "desktop/history/HistoryWindow.h"
#include "desktop/preferences/PreferencesDialog.h"
#include "desktop/web/WebWindow.h"
#include "support/TestSupport.h"
#include "support/WindowChecks.h"

#include <QPushButton>
#include <QTranslator>

#include <optional>

namespace {

// Opens one window of the program and gives it back shown.
using WindowOpener = std::function<QWidget*(FakeClient&)>;

QWidget* shown(QWidget* window)
{
    window->show();
    QApplication::processEvents();
    return window;
}

QWidget* mainWindow(FakeClient& client)
{
    return shown(&client.main());
}

QWidget* mainWindowWithHosts(FakeClient& client)
{
    shown(&client.main());
    client.mainControl<QPushButton>("viewHostsButton")->click();
    QApplication::processEvents();
    return &client.main();
}

QWidget* preferences(FakeClient& client)
{
    client.windows.preferencesDialog().showDialog();
    return shown(&client.windows.preferencesDialog());
}

QWidget* about(FakeClient& client)
{
    client.windows.aboutDialog().showDialog();
    return shown(&client.windows.aboutDialog());
}

QWidget* history(FakeClient& client)
{
    client.trigger("historyAction");
    return shown(client.main().findChild<HistoryWindow*>());
}

QWidget* webWindow(FakeClient& client)
{
    client.windows.webWindow().showWindow();
    return shown(&client.windows.webWindow());
}

// The desktop's font at `points` while a test runs.
class DesktopFont
{
public:
    explicit DesktopFont(int points) : m_before(QApplication::font())
    {
        QFont font = m_before;
        font.setPointSize(points);
        QApplication::setFont(font);
    }
    ~DesktopFont() { QApplication::setFont(m_before); }

private:
    QFont m_before;
};

// The program's German texts while a test runs.
class GermanTexts
{
public:
    GermanTexts()
    {
        EXPECT_TRUE(m_translator.load(QStringLiteral(":/i18n/veltaro_de.qm")));
        QCoreApplication::installTranslator(&m_translator);
    }
    ~GermanTexts() { QCoreApplication::removeTranslator(&m_translator); }

private:
    QTranslator m_translator;
};

void expectReadable(const WindowOpener& open)
{
    for (const bool german : {false, true}) {
        SCOPED_TRACE(german ? "in German" : "in English");
        std::optional<GermanTexts> texts;
        if (german)
            texts.emplace();
        {
            FakeClient client;
            QWidget* window = open(client);
            EXPECT_EQ(unnamedOrTwiceNamedControls(window), QStringList());
            EXPECT_EQ(focusStopsOutOfSight(window), QStringList());
        }
        for (int points : {11, 14}) {
            DesktopFont font(points);
            FakeClient client;
            EXPECT_EQ(cutTexts(open(client)), QStringList()) << "at " << points << " points";
        }
    }
}

} // namespace

TEST(ReadableWindows, MainWindow)
{
    expectReadable(mainWindow);
    expectReadable(mainWindowWithHosts);
}

TEST(ReadableWindows, Preferences)
{
    expectReadable(preferences);
}

TEST(ReadableWindows, About)
{
    expectReadable(about);
}

TEST(ReadableWindows, History)
{
    expectReadable(history);
}

TEST(ReadableWindows, WebWindow)
{
    expectReadable(webWindow);
}
