#pragma once

#include <QDialog>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
struct ClientState;
struct Platform;

// The modeless preferences dialog: the account, the update interval, the fixed address and the start-up
// options. It edits the client state only; the settings file is written elsewhere.
class PreferencesDialog : public QDialog
{
    Q_OBJECT

public:
    PreferencesDialog(ClientState& state, Platform& platform);
    ~PreferencesDialog() override;

    // Loads the dialog when it is not loaded, then shows it without blocking.
    void showDialog();
    // Brings the open dialog back into view (the start-up chain does this once).
    void bringIntoView();
    // Last step of closing, called back by the main window: hides the dialog without asking.
    void finishUnload();
    bool isLoaded() const { return m_loaded; }

    void Form_Load();
    // Closing, whichever way it was asked for: asks whether to save unless told to, then hands back
    // to the main window.
    void Form_Unload();
    void chkUseStatic_Click();
    void txtCurrentIP_Change();
    void cboTimer_Change();
    void Command1_Click();
    void Signup_Click();
    void SaveNClose_Click();
    void ApplyAccountSettings();

    // Set by "Save and Close" so that closing saves without asking.
    bool closeWithSave = false;

    QGroupBox* Frame3 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtUsername = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txtPassword = nullptr;
    QPushButton* Command1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* cboTimer = nullptr;
    QLabel* Label2 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QCheckBox* chkUseStatic = nullptr;
    QLineEdit* txtCurrentIP = nullptr;
    QGroupBox* Frame4 = nullptr;
    QCheckBox* chkAutoUpdate = nullptr;
    QCheckBox* chkMinimize = nullptr;
    QFrame* Line1 = nullptr;
    QFrame* Line2 = nullptr;
    QMenuBar* menuBar = nullptr;
    QAction* SaveNClose = nullptr;
    QAction* Signup = nullptr;

public slots:
    // Escape closes the same way as the close box.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls(QWidget* clientArea);
    void buildMenu();
    void connectHandlers();
    void resetControls();
    int timerBoxMinutes() const;
    // Why the account typed in cannot be saved; empty when it can.
    QString unstorableAccountText() const;
    // The second half of closing, once it is known whether the settings are kept.
    void finishClose(bool save);

    ClientState& m_state;
    Platform& m_platform;
    bool m_loaded = false;
    bool m_unloading = false;
};
