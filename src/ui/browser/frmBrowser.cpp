#include "ui/browser/frmBrowser.h"

// Placeholder until the web window lands.
frmBrowser::frmBrowser(ClientState& state, Platform& platform) : m_state(state), m_platform(platform) {}

frmBrowser::~frmBrowser() = default;

void frmBrowser::showWindow() {}

void openServicePage(ClientState&, Platform&, const QString&) {}
