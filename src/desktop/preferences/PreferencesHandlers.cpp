// Loading, editing and closing of the preferences dialog.
#include "desktop/preferences/PreferencesDialog.h"

#include "core/client/UpdateCycle.h"
#include "core/protocol/SafeText.h"
#include "core/settings/ConfigFile.h"
#include "core/settings/Settings.h"
#include "desktop/platform/Platform.h"

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
    return SafeText::withoutControlCharacters(box->text());
}
} // namespace

void PreferencesDialog::load()
{
    m_loaded = true;
    emit opened();
    m_saveOnClose = false;
    resetControls();

    // The box knows three values only; anything else (a hand-edited file) starts unchecked.
    if (m_settings.minimizeOnStartup > 2 || m_settings.minimizeOnStartup < 0)
        m_settings.minimizeOnStartup = 0;
    m_minimizeAtStartCheck->setCheckState(toCheckState(m_settings.minimizeOnStartup));

    m_autoUpdateCheck->setChecked(m_settings.autoUpdate != 0);

    m_userNameEdit->setText(m_settings.userName);
    m_passwordEdit->setText(m_settings.password);
    m_addressEdit->setText(m_settings.currentIP);

    if (!m_settings.useStaticIP)
        m_addressEdit->setEnabled(false);
    else
        m_fixedAddressCheck->setChecked(true);

    for (const char* minutes : kIntervals)
        m_intervalBox->addItem(QLatin1String(minutes));

    m_intervalBox->setEditText(QString::number(m_settings.updateInterval));
    showStoredInterval();
}

// Back to the state the dialog was designed in, as a fresh load finds it; no handler runs.
void PreferencesDialog::resetControls()
{
    const QSignalBlocker blockUser(m_userNameEdit);
    const QSignalBlocker blockPassword(m_passwordEdit);
    const QSignalBlocker blockIP(m_addressEdit);
    const QSignalBlocker blockStatic(m_fixedAddressCheck);
    const QSignalBlocker blockAuto(m_autoUpdateCheck);
    const QSignalBlocker blockMinimize(m_minimizeAtStartCheck);
    const QSignalBlocker blockTimer(m_intervalBox);
    const QSignalBlocker blockTimerText(m_intervalBox->lineEdit());
    m_userNameEdit->clear();
    m_passwordEdit->clear();
    m_addressEdit->clear();
    m_addressEdit->setEnabled(true);
    m_fixedAddressCheck->setCheckState(Qt::Unchecked);
    m_autoUpdateCheck->setCheckState(Qt::Unchecked);
    m_minimizeAtStartCheck->setCheckState(Qt::Unchecked);
    m_intervalBox->clear();
    m_intervalBox->clearEditText();
}

void PreferencesDialog::useFixedAddress(bool on)
{
    m_settings.useStaticIP = on;
    m_addressEdit->setEnabled(on);
}

void PreferencesDialog::keepAddress()
{
    m_settings.currentIP = boxText(m_addressEdit);
}

void PreferencesDialog::showStoredInterval()
{
    if (m_settings.updateInterval == 0)
        m_settings.updateInterval = kShortestInterval;
    m_intervalBox->setEditText(QString::number(m_settings.updateInterval));
}

void PreferencesDialog::saveAndClose()
{
    m_saveOnClose = true;
    requestClose();
}

void PreferencesDialog::requestClose()
{
    // While the question is open a second close is the same close.
    if (!m_loaded || m_unloading)
        return;
    m_unloading = true;
    if (m_saveOnClose) {
        finishClose(true);
        return;
    }
    QPointer<PreferencesDialog> self(this);
    m_platform.messageBoxes.show(tr("Do you want to save these settings?"), tr("Save Settings:"), MsgButtons::YesNo,
                                 MsgIcon::None, [self](MsgAnswer answer) {
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
        applyAccount();
        const int minutes = intervalBoxMinutes();
        m_settings.updateInterval = minutes >= kShortestInterval ? minutes : kShortestInterval;
        m_settings.minimizeOnStartup = fromCheckState(m_minimizeAtStartCheck->checkState());
        emit autoUpdateChosen(m_autoUpdateCheck->isChecked());
        // Saved settings survive a power cut or a kill, not only a clean exit.
        emit saveRequested();
    }

    emit closed();
    // Whoever handles closed() calls finishUnload back; this only makes sure the dialog ends unloaded.
    if (m_loaded)
        finishUnload();
    m_unloading = false;
}

void PreferencesDialog::applyAccount()
{
    if (m_settings.useStaticIP)
        m_settings.currentIP = boxText(m_addressEdit);
    m_settings.userName = boxText(m_userNameEdit);
    m_settings.password = boxText(m_passwordEdit);
    emit accountChanged(m_settings.userName);
    m_saveOnClose = false;
}

void PreferencesDialog::showAddress(const QString& address)
{
    m_addressEdit->setEnabled(true);
    m_addressEdit->setText(address);
    m_addressEdit->setEnabled(false);
}

QString PreferencesDialog::unstorableAccountText() const
{
    // Whole sentences for each field: a translation may need to word them differently.
    struct Field
    {
        const QLineEdit* box;
        QString colon;
        QString unstorable;
    };
    const Field fields[] = {
        {m_userNameEdit, tr("The user name cannot hold \":\". The settings are not saved yet."),
         tr("The user name cannot hold %1: the settings file keeps Latin letters, digits and signs only. The "
            "settings are not saved yet.")},
        {m_passwordEdit, tr("The password cannot hold \":\". The settings are not saved yet."),
         tr("The password cannot hold %1: the settings file keeps Latin letters, digits and signs only. The "
            "settings are not saved yet.")}};
    for (const Field& field : fields) {
        // A ":" would split the field in two on the wire.
        if (boxText(field.box).contains(QLatin1Char(':')))
            return field.colon;
        const QString unstorable = SafeText::unstorableCharacters(boxText(field.box));
        if (!unstorable.isEmpty())
            return field.unstorable.arg(unstorable);
    }
    return QString();
}

// The interval box read as whole minutes; text that is no number counts as 0.
int PreferencesDialog::intervalBoxMinutes() const
{
    bool ok = false;
    const int minutes = m_intervalBox->currentText().trimmed().toInt(&ok);
    return ok ? minutes : 0;
}
