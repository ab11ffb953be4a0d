#pragma once

#include <QDialog>

struct ClientState;
struct Platform;

// The About box.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    frmAbout(ClientState& state, Platform& platform);
    ~frmAbout() override;

    // Loads the box when it is not loaded, then shows it without blocking.
    void showDialog();

private:
    ClientState& m_state;
    Platform& m_platform;
};
