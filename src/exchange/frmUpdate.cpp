#include "exchange/frmUpdate.h"

// Placeholder until the exchange lands.
frmUpdate::frmUpdate(ClientState& state, Platform& platform) : m_state(state), m_platform(platform) {}

frmUpdate::~frmUpdate() = default;

void frmUpdate::submit(ExchangeCommand) {}

bool frmUpdate::isLoaded() const
{
    return false;
}
