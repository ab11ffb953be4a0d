#pragma once

#include <QDialog>

#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QMenuBar;
class Timer;
struct Platform;
struct Settings;

// The modeless preferences dialog: the account, the update interval, the fixed address and the start-up
// options. It edits the settings only; what else follows from opening, a save or a close it announces
// through its signals.
class PreferencesDialog : public QDialog
{
    Q_OBJECT

public:
    PreferencesDialog(Settings& settings, Platform& platform);
    ~PreferencesDialog() override;

    // Loads the dialog when it is not loaded, then shows it without blocking.
    void showDialog();
    // Brings the open dialog back into view.
    void bringIntoView();
    // Shows the dialog to ask for an account; at start-up the main window appears after it, so it
    // is brought back into view a moment later.
    void askForAccount();
    // Last step of closing, called back once closed() is handled: hides the dialog without asking.
    void finishUnload();
    bool isLoaded() const { return m_loaded; }
    // Shows an address learned from the server in the fixed-address box, which stays read-only.
    void showAddress(const QString& address);

signals:
    // The dialog has loaded the settings into its controls.
    void opened();
    // In the order a save sends them: the account kept, the automatic updates chosen, the settings to be
    // written; closed() ends every close, saved or not.
    void accountChanged(const QString& userName);
    void autoUpdateChosen(bool on);
    void saveRequested();
    void closed();
    // The sign-up page of the service's web site is wanted.
    void signupRequested();

public slots:
    // Escape closes the same way as the close box.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls(QWidget* clientArea);
    QMenuBar* buildMenu();
    void load();
    void resetControls();
    void useFixedAddress(bool on);
    void keepAddress();
    void showStoredInterval();
    void saveAndClose();
    // Closing, whichever way it was asked for: asks whether to save unless "Save and Close" said so.
    void requestClose();
    // The second half of closing, once it is known whether the settings are kept.
    void finishClose(bool save);
    void applyAccount();
    int intervalBoxMinutes() const;
    // Why the account typed in cannot be saved; empty when it can.
    QString unstorableAccountText() const;

    Settings& m_settings;
    Platform& m_platform;
    std::unique_ptr<Timer> m_bringForward;
    bool m_loaded = false;
    bool m_unloading = false;
    bool m_saveOnClose = false;

    QLineEdit* m_userNameEdit = nullptr;
    QLineEdit* m_passwordEdit = nullptr;
    QComboBox* m_intervalBox = nullptr;
    QCheckBox* m_fixedAddressCheck = nullptr;
    QLineEdit* m_addressEdit = nullptr;
    QCheckBox* m_autoUpdateCheck = nullptr;
    QCheckBox* m_minimizeAtStartCheck = nullptr;
};
