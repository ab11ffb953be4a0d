#include "ui/Windows.h"

#include <QtGlobal>

#include "exchange/ServerExchange.h"
#include "platform/Platform.h"
#include "protocol/Lumeris_Commands.h"
#include "state/ClientState.h"
#include "ui/about/frmAbout.h"
#include "ui/browser/frmBrowser.h"
#include "ui/main/MainWindowView.h"
#include "ui/main/frmMain.h"
#include "ui/preferences/frmPreferences.h"

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

void installWindowFactories(ClientState& state, Platform& platform)
{
    initResources();
    ClientState* s = &state;
    Platform* p = &platform;
    state.frmMain.setFactory([s, p] { return std::make_shared<frmMain>(*s, *p); });
    state.frmAbout.setFactory([s, p] { return std::make_shared<frmAbout>(*s, *p); });
    state.frmBrowser.setFactory([s, p] { return std::make_shared<frmBrowser>(*s, *p); });
    state.frmPreferences.setFactory([s, p] { return std::make_shared<frmPreferences>(*s, *p); });
    state.exchange.setFactory([s, p] { return Lumeris_Commands::makeExchange(*s, *p); });
    state.view = std::make_unique<MainWindowView>(state, platform);
}
