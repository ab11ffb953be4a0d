#include "ui/preferences/frmPreferences.h"

#include <QLineEdit>

// Placeholder until the dialog lands.
frmPreferences::frmPreferences(ClientState& state, Platform& platform) : m_state(state), m_platform(platform)
{
    txtCurrentIP = new QLineEdit(this);
}

frmPreferences::~frmPreferences() = default;

void frmPreferences::showDialog() {}

void frmPreferences::bringIntoView() {}

void frmPreferences::finishUnload() {}
