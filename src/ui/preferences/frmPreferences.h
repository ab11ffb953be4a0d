#pragma once

#include <QDialog>

class QLineEdit;
struct ClientState;
struct Platform;

// The modeless preferences dialog.
class frmPreferences : public QDialog
{
    Q_OBJECT

public:
    frmPreferences(ClientState& state, Platform& platform);
    ~frmPreferences() override;

    // Loads the dialog when it is not loaded, then shows it without blocking.
    void showDialog();
    // Brings the open dialog back into view (the start-up chain does this once).
    void bringIntoView();
    // Last step of closing, called back by the main window: hides the dialog without asking.
    void finishUnload();

    QLineEdit* txtCurrentIP = nullptr;

private:
    ClientState& m_state;
    Platform& m_platform;
};
