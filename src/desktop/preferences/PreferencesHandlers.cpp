// Loading, editing and closing of the preferences dialog.
#include "desktop/preferences/PreferencesDialog.h"

#include "core/client/ClientState.h"
#include "core/client/UpdateCycle.h"
#include "core/settings/ConfigFile.h"
#include "desktop/main/MainWindow.h"
#include "desktop/platform/Platform.h"
#include "desktop/web/WebWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalBlocker>

namespace {
using UpdateCycle::kShortestInterval;
const char* const kIntervals[] = {"10", "15", "30", "45", "60", "120"};

// The stored start-up value counts 0 unchecked, 1 checked, 2 grey; Qt numbers the last two the other way.
Qt::CheckState toCheckState(qint16 value)
{
    return value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
}

qint16 fromCheckState(Qt::CheckState state)
{
    return state == Qt::Checked ? 1 : state == Qt::PartiallyChecked ? 2 : 0;
}

// A pasted line break would split the settings file's line and the request in two.
QString boxText(const QLineEdit* box)
{
    return Common_Functions::withoutControlCharacters(box->text());
}
} // namespace

void PreferencesDialog::Form_Load()
{
    m_state.preferencesOpen = true;
    m_loaded = true;
    closeWithSave = false;
    resetControls();

    // The box knows three values only; anything else (a hand-edited file) starts unchecked.
    if (m_state.minimizeOnStartup > 2 || m_state.minimizeOnStartup < 0)
        m_state.minimizeOnStartup = 0;
    chkMinimize->setCheckState(toCheckState(m_state.minimizeOnStartup));

    chkAutoUpdate->setChecked(m_state.autoUpdate != 0);

    txtUsername->setText(m_state.userName);
    txtPassword->setText(m_state.password);
    txtCurrentIP->setText(m_state.currentIP);

    if (!m_state.useStaticIP)
        txtCurrentIP->setEnabled(false);
    else
        chkUseStatic->setChecked(true);

    for (const char* minutes : kIntervals)
        cboTimer->addItem(QLatin1String(minutes));

    cboTimer->setEditText(QString::number(m_state.updateInterval));
    cboTimer_Change();
}

// Back to the state the dialog was designed in, as a fresh load finds it; no handler runs.
void PreferencesDialog::resetControls()
{
    const QSignalBlocker blockUser(txtUsername);
    const QSignalBlocker blockPassword(txtPassword);
    const QSignalBlocker blockIP(txtCurrentIP);
    const QSignalBlocker blockStatic(chkUseStatic);
    const QSignalBlocker blockAuto(chkAutoUpdate);
    const QSignalBlocker blockMinimize(chkMinimize);
    const QSignalBlocker blockTimer(cboTimer);
    const QSignalBlocker blockTimerText(cboTimer->lineEdit());
    txtUsername->clear();
    txtPassword->clear();
    txtCurrentIP->clear();
    txtCurrentIP->setEnabled(true);
    chkUseStatic->setCheckState(Qt::Unchecked);
    chkAutoUpdate->setCheckState(Qt::Unchecked);
    chkMinimize->setCheckState(Qt::Unchecked);
    cboTimer->clear();
    cboTimer->clearEditText();
}

void PreferencesDialog::chkUseStatic_Click()
{
    const bool on = chkUseStatic->checkState() == Qt::Checked;
    m_state.useStaticIP = on;
    txtCurrentIP->setEnabled(on);
}

void PreferencesDialog::txtCurrentIP_Change()
{
    m_state.currentIP = boxText(txtCurrentIP);
}

void PreferencesDialog::cboTimer_Change()
{
    if (m_state.updateInterval == 0)
        m_state.updateInterval = kShortestInterval;
    cboTimer->setEditText(QString::number(m_state.updateInterval));
}

void PreferencesDialog::Command1_Click()
{
    Signup_Click();
}

void PreferencesDialog::Signup_Click()
{
    openServicePage(m_state, m_platform, QStringLiteral("/signup.php"));
}

void PreferencesDialog::SaveNClose_Click()
{
    closeWithSave = true;
    Form_Unload();
}

void PreferencesDialog::Form_Unload()
{
    // While the question is open a second close is the same close.
    if (!m_loaded || m_unloading)
        return;
    m_unloading = true;
    if (closeWithSave) {
        finishClose(true);
        return;
    }
    QPointer<PreferencesDialog> self(this);
    m_platform.messageBoxes.show(QStringLiteral("Do you want to save these settings?"),
                                 QStringLiteral("Save Settings:"), MsgButtons::YesNo, MsgIcon::None,
                                 [self](MsgAnswer answer) {
                                     if (self)
                                         self->finishClose(answer == MsgAnswer::Yes);
                                 });
}

void PreferencesDialog::finishClose(bool save)
{
    // The settings file and the wire hold one byte per character: such an account would be saved as
    // question marks and refused by the server. The dialog stays open for the user to mend it.
    if (save) {
        const QString problem = unstorableAccountText();
        if (!problem.isEmpty()) {
            m_unloading = false;
            m_platform.messageBoxes.show(problem, m_platform.app.title(), MsgButtons::Ok, MsgIcon::None, {});
            return;
        }
    }
    if (save) {
        ApplyAccountSettings();
        const int minutes = timerBoxMinutes();
        m_state.updateInterval = minutes >= kShortestInterval ? minutes : kShortestInterval;
        m_state.minimizeOnStartup = fromCheckState(chkMinimize->checkState());
        if (chkAutoUpdate->isChecked())
            m_state.mainWindow->enableUpdates_Click();
        else
            m_state.mainWindow->disableUpdates_Click();
        // Saved settings survive a power cut or a kill, not only a clean exit.
        m_state.mainWindow->mnuSave_Click();
    }

    m_state.preferencesOpen = false;
    m_state.mainWindow->UpdateIcon();
    m_state.mainWindow->UnloadPreferences();
    // The main window calls finishUnload back; this only makes sure the dialog ends unloaded.
    if (m_loaded)
        finishUnload();
    m_unloading = false;
}

void PreferencesDialog::ApplyAccountSettings()
{
    if (m_state.useStaticIP)
        m_state.currentIP = boxText(txtCurrentIP);
    m_state.userName = boxText(txtUsername);
    m_state.password = boxText(txtPassword);
    m_state.mainWindow->lblUsername->setText(m_state.userName);
    closeWithSave = false;
}

QString PreferencesDialog::unstorableAccountText() const
{
    const std::pair<const QLineEdit*, const char*> fields[] = {{txtUsername, "user name"}, {txtPassword, "password"}};
    for (const auto& [box, name] : fields) {
        // A ":" would split the field in two on the wire.
        if (boxText(box).contains(QLatin1Char(':')))
            return QStringLiteral("The %1 cannot hold \":\". The settings are not saved yet.").arg(QLatin1String(name));
        const QString unstorable = Common_Functions::unstorableCharacters(boxText(box));
        if (!unstorable.isEmpty())
            return QStringLiteral("The %1 cannot hold %2: the settings file keeps Latin letters, digits and "
                                  "signs only. The settings are not saved yet.")
                .arg(QLatin1String(name), unstorable);
    }
    return QString();
}

// The interval box read as whole minutes; text that is no number counts as 0.
int PreferencesDialog::timerBoxMinutes() const
{
    bool ok = false;
    const int minutes = cboTimer->currentText().trimmed().toInt(&ok);
    return ok ? minutes : 0;
}
