#include "ui/about/frmAbout.h"

// Placeholder until the box lands.
frmAbout::frmAbout(ClientState& state, Platform& platform) : m_state(state), m_platform(platform) {}

frmAbout::~frmAbout() = default;

void frmAbout::showDialog() {}
