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

// The window shown, after the program's own way of opening it.
template <typename Window> QWidget* shown(Window& window, void (Window::*open)() = nullptr)
{
    if (open)
        (window.*open)();
    window.show();
    QApplication::processEvents();
    return &window;
}

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

// Checks one window of the program, opened in a client of its own at each desktop font size, in
// English and in German.
void expectReadable(const std::function<QWidget*(FakeClient&)>& open)
{
    const QFont before = QApplication::font();
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
            QFont font = before;
            font.setPointSize(points);
            QApplication::setFont(font);
            FakeClient client;
            EXPECT_EQ(cutTexts(open(client)), QStringList()) << "at " << points << " points";
        }
        QApplication::setFont(before);
    }
}

} // namespace

TEST(ReadableWindows, MainWindow)
{
    expectReadable([](FakeClient& client) { return shown(client.main()); });
    expectReadable([](FakeClient& client) {
        shown(client.main());
        client.mainControl<QPushButton>("viewHostsButton")->click();
        return shown(client.main());
    });
}

TEST(ReadableWindows, Preferences)
{
    expectReadable(
        [](FakeClient& client) { return shown(client.windows.preferencesDialog(), &PreferencesDialog::showDialog); });
}

TEST(ReadableWindows, About)
{
    expectReadable([](FakeClient& client) { return shown(client.windows.aboutDialog(), &AboutDialog::showDialog); });
}

TEST(ReadableWindows, History)
{
    expectReadable([](FakeClient& client) {
        client.trigger("historyAction");
        return shown(*client.main().findChild<HistoryWindow*>());
    });
}

TEST(ReadableWindows, WebWindow)
{
    expectReadable([](FakeClient& client) { return shown(client.windows.webWindow(), &WebWindow::showWindow); });
}
