#include "desktop/Windows.h"

#include <QtGlobal>

#include "core/client/ClientState.h"
#include "core/client/UpdateClient.h"
#include "core/net/ServerExchange.h"
#include "desktop/about/AboutDialog.h"
#include "desktop/main/MainWindow.h"
#include "desktop/main/MainWindowView.h"
#include "desktop/platform/Platform.h"
#include "desktop/preferences/PreferencesDialog.h"
#include "desktop/web/WebWindow.h"

// The icons live in the library's resources, which a static link would otherwise leave out.
static void registerResources()
{
    Q_INIT_RESOURCE(veltaro);
}

void initResources()
{
    static const bool registered = (registerResources(), true);
    (void)registered;
}

// What a save or a close of the preferences means to the main window.
static void followPreferences(PreferencesDialog& dialog, ClientState& state, Platform& platform)
{
    ClientState* s = &state;
    Platform* p = &platform;
    QObject::connect(&dialog, &PreferencesDialog::accountChanged, &dialog,
                     [s](const QString& userName) { s->mainWindow->setUserName(userName); });
    QObject::connect(&dialog, &PreferencesDialog::autoUpdateChosen, &dialog,
                     [s](bool on) { s->mainWindow->setAutomaticUpdates(on); });
    QObject::connect(&dialog, &PreferencesDialog::saveRequested, &dialog, [s] { s->mainWindow->saveSettings(); });
    QObject::connect(&dialog, &PreferencesDialog::closed, &dialog, [s] { s->mainWindow->preferencesClosed(); });
    // The main window keeps the page's launcher: the dialog may be gone before the browser has it.
    QObject::connect(&dialog, &PreferencesDialog::signupRequested, &dialog,
                     [s, p] { openServicePage(*s, *p, QStringLiteral("/signup.php"), s->mainWindow.get()); });
}

void installWindowFactories(ClientState& state, Platform& platform)
{
    initResources();
    ClientState* s = &state;
    Platform* p = &platform;
    state.mainWindow.setFactory([s, p] { return std::make_shared<MainWindow>(*s, *p); });
    state.aboutDialog.setFactory([s, p] { return std::make_shared<AboutDialog>(*s, *p); });
    state.webWindow.setFactory([s, p] { return std::make_shared<WebWindow>(*s, *p); });
    state.preferencesDialog.setFactory([s, p] {
        auto dialog = std::make_shared<PreferencesDialog>(*s, *p);
        followPreferences(*dialog, *s, *p);
        return dialog;
    });
    // The desktop's pace: the start-up steps a second apart, each once the exchange is free.
    const UpdateScheduler::Pacing pacing{.startStepMs = 1000, .minuteMs = kMinuteMs, .networkCalmMs = 5000};
    state.client =
        std::make_unique<UpdateClient>(state, platform, std::make_unique<MainWindowView>(state, platform), pacing);
}
