#include "state/ClientState.h"

// The windows are complete types here so the references can destroy them.
#include "exchange/frmUpdate.h"
#include "ui/about/frmAbout.h"
#include "ui/browser/frmBrowser.h"
#include "ui/main/frmMain.h"
#include "ui/preferences/frmPreferences.h"

ClientState::ClientState() : updateRequests(kListUpperBound + 1), groupHosts(kListUpperBound + 1) {}

ClientState::~ClientState() = default;
