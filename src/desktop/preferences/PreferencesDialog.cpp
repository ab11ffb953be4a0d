// Construction and window handling of the preferences dialog.
#include "desktop/preferences/PreferencesDialog.h"

#include "core/platform/Timers.h"
#include "desktop/platform/Platform.h"
#include "desktop/widgets/Controls.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kBringForwardMs = 1000;
// Field widths in average characters of the dialog's font, so that they grow with it.
constexpr int kAccountFieldChars = 33;
constexpr int kIntervalBoxChars = 12;
constexpr int kAddressFieldChars = 22;

QFrame* line(QWidget* parent, const char* name, QPalette::ColorRole color)
{
    auto* frame = named(new QFrame(parent), name);
    frame->setAutoFillBackground(true);
    frame->setBackgroundRole(color);
    frame->setFixedHeight(1);
    return frame;
}

// A label that names the field after it for a screen reader.
QLabel* labelFor(QWidget* field, const QString& text)
{
    auto* label = new QLabel(text, field->parentWidget());
    label->setBuddy(field);
    return label;
}

// Inside a group's frame, below its title.
QMargins groupMargins()
{
    return {13, 0, 13, 5};
}

} // namespace

PreferencesDialog::PreferencesDialog(Settings& settings, Platform& platform)
    : m_settings(settings), m_platform(platform),
      m_bringForward(platform.timers.createTimer(QStringLiteral("preferencesForward"), TimerMode::SingleShot, [this] {
          if (m_loaded)
              bringIntoView();
      }))
{
    setObjectName(QStringLiteral("PreferencesDialog"));
    setWindowTitle(tr("Preferences"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The dialog is as big as its texts need, and no bigger.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* clientArea = new QWidget(this);
    clientArea->setObjectName(QStringLiteral("clientArea"));
    layout->addWidget(clientArea);

    buildControls(clientArea);
    layout->setMenuBar(buildMenu());
}

PreferencesDialog::~PreferencesDialog() = default;

void PreferencesDialog::buildControls(QWidget* clientArea)
{
    auto* layout = new QVBoxLayout(clientArea);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->setSpacing(0);
    // An engraved rule under the menu bar.
    layout->addWidget(line(clientArea, "ruleShadow", QPalette::Mid));
    layout->addWidget(line(clientArea, "ruleLight", QPalette::Light));
    auto* groups = new QVBoxLayout;
    groups->setContentsMargins(8, 6, 8, 0);
    groups->setSpacing(7);
    layout->addLayout(groups);

    auto* account = named(new QGroupBox(tr("Account Info"), clientArea), "accountGroup");
    auto* accountRows = new QGridLayout(account);
    accountRows->setContentsMargins(groupMargins());
    accountRows->setHorizontalSpacing(6);
    accountRows->setVerticalSpacing(4);
    m_userNameEdit = named(new QLineEdit(account), "userNameEdit");
    m_userNameEdit->setMinimumWidth(charsWide(m_userNameEdit, kAccountFieldChars));
    accountRows->addWidget(labelFor(m_userNameEdit, tr("Username:")), 0, 0);
    accountRows->addWidget(m_userNameEdit, 0, 1);
    m_passwordEdit = named(new QLineEdit(account), "passwordEdit");
    m_passwordEdit->setEchoMode(QLineEdit::Password);
    m_passwordEdit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    accountRows->addWidget(labelFor(m_passwordEdit, tr("Password:")), 1, 0);
    accountRows->addWidget(m_passwordEdit, 1, 1);
    auto* signup = named(new QPushButton(tr("Create a new Account"), account), "signupButton");
    // Enter in a text box must not sign up.
    signup->setAutoDefault(false);
    accountRows->addWidget(signup, 2, 1);
    connect(signup, &QPushButton::clicked, this, &PreferencesDialog::signupRequested);
    groups->addWidget(account);

    auto* interval = named(new QGroupBox(tr("Update Timer"), clientArea), "intervalGroup");
    auto* intervalRow = new QHBoxLayout(interval);
    intervalRow->setContentsMargins(groupMargins());
    intervalRow->setSpacing(3);
    m_intervalBox = named(new QComboBox(interval), "intervalBox");
    m_intervalBox->setEditable(true);
    // Typed text never stays, so it is neither completed nor added to the list.
    m_intervalBox->setCompleter(nullptr);
    m_intervalBox->setInsertPolicy(QComboBox::NoInsert);
    m_intervalBox->setMinimumWidth(charsWide(m_intervalBox, kIntervalBoxChars));
    // Typing goes to the box's own text field: the number alone says nothing, so it carries the unit.
    m_intervalBox->lineEdit()->setAccessibleName(tr("Update every (minutes)"));
    intervalRow->addWidget(labelFor(m_intervalBox, tr("Update every:")));
    intervalRow->addWidget(m_intervalBox);
    intervalRow->addSpacing(5);
    intervalRow->addWidget(new QLabel(tr("minute(s)"), interval));
    intervalRow->addStretch();
    // Only typing counts as a change; an entry chosen from the list stays.
    connect(m_intervalBox->lineEdit(), &QLineEdit::textEdited, this, &PreferencesDialog::showStoredInterval);
    groups->addWidget(interval);

    auto* addressing = named(new QGroupBox(tr("IP Addressing"), clientArea), "addressGroup");
    auto* addressRow = new QHBoxLayout(addressing);
    addressRow->setContentsMargins(groupMargins());
    addressRow->setSpacing(15);
    m_fixedAddressCheck = named(new QCheckBox(tr("Use Static IP:"), addressing), "fixedAddressCheck");
    m_addressEdit = named(new QLineEdit(addressing), "addressEdit");
    m_addressEdit->setMinimumWidth(charsWide(m_addressEdit, kAddressFieldChars));
    m_addressEdit->setAccessibleName(tr("Static IP address"));
    addressRow->addWidget(m_fixedAddressCheck);
    addressRow->addWidget(m_addressEdit, 1);
    connect(m_fixedAddressCheck, &QCheckBox::toggled, this, &PreferencesDialog::useFixedAddress);
    connect(m_addressEdit, &QLineEdit::textChanged, this, &PreferencesDialog::keepAddress);
    groups->addWidget(addressing);

    auto* program = named(new QGroupBox(tr("Program Settings"), clientArea), "programGroup");
    auto* programRows = new QVBoxLayout(program);
    programRows->setContentsMargins(groupMargins());
    programRows->setSpacing(4);
    m_autoUpdateCheck = named(new QCheckBox(tr("Enable Automatic Updates"), program), "autoUpdateCheck");
    m_minimizeAtStartCheck = named(new QCheckBox(tr("Minimize on Startup"), program), "minimizeAtStartCheck");
    m_minimizeAtStartCheck->setTristate(true);
    programRows->addWidget(m_autoUpdateCheck);
    programRows->addWidget(m_minimizeAtStartCheck);
    groups->addWidget(program);
}

QMenuBar* PreferencesDialog::buildMenu()
{
    auto* menuBar = named(new QMenuBar(this), "menuBar");
    menuBar->setNativeMenuBar(false);
    connect(named(menuBar->addAction(tr("Save and &Close")), "saveAndCloseAction"), &QAction::triggered, this,
            &PreferencesDialog::saveAndClose);
    connect(named(menuBar->addAction(tr("&Signup Now!")), "signupAction"), &QAction::triggered, this,
            &PreferencesDialog::signupRequested);
    return menuBar;
}

void PreferencesDialog::showDialog()
{
    if (m_loaded) {
        show();
        raise();
        return;
    }
    load();
    show();
}

void PreferencesDialog::bringIntoView()
{
    raise();
    activateWindow();
}

void PreferencesDialog::askForAccount()
{
    showDialog();
    m_bringForward->start(kBringForwardMs);
}

void PreferencesDialog::finishUnload()
{
    m_loaded = false;
    hide();
}

void PreferencesDialog::reject()
{
    if (m_loaded)
        requestClose();
    else
        QDialog::reject();
}

void PreferencesDialog::closeEvent(QCloseEvent* event)
{
    if (!m_loaded) {
        event->accept();
        return;
    }
    // Closing ends in finishUnload, which hides the dialog itself.
    event->ignore();
    requestClose();
}
