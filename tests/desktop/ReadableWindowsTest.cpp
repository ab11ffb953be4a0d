// Every window, as a screen reader hears it and as it looks with a larger desktop font.
#include "desktop/about/AboutDialog.h"
#include "desktop/history/HistoryWindow.h"
#include "desktop/preferences/PreferencesDialog.h"
#include "desktop/web/WebWindow.h"
#include "support/TestSupport.h"
#include "support/WindowChecks.h"

#include <QPushButton>

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

// Checks one window of the program, opened in a client of its own at each desktop font size.
void expectReadable(const std::function<QWidget*(FakeClient&)>& open)
{
    {
        FakeClient client;
        QWidget* window = open(client);
        EXPECT_EQ(unnamedOrTwiceNamedControls(window), QStringList());
        EXPECT_EQ(focusStopsOutOfSight(window), QStringList());
    }
    const QFont before = QApplication::font();
    for (int points : {11, 14}) {
        QFont font = before;
        font.setPointSize(points);
        QApplication::setFont(font);
        FakeClient client;
        EXPECT_EQ(cutTexts(open(client)), QStringList()) << "at " << points << " points";
    }
    QApplication::setFont(before);
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
