// Construction and window handling of the preferences dialog.
#include "desktop/preferences/PreferencesDialog.h"

#include "core/platform/Timers.h"
#include "desktop/platform/Platform.h"
#include "desktop/widgets/Twips.h"
#include "desktop/widgets/WidgetDesign.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kClientWidth = 4815;
constexpr int kClientHeight = 4695;
constexpr int kBringForwardMs = 1000;

QFrame* line(QWidget* parent, const char* name, QPalette::ColorRole color)
{
    auto* frame = named(new QFrame(parent), name);
    frame->setAutoFillBackground(true);
    frame->setBackgroundRole(color);
    return frame;
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
    setWindowTitle(QStringLiteral("Preferences"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* clientArea = new QWidget(this);
    clientArea->setObjectName(QStringLiteral("clientArea"));
    clientArea->setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    layout->addWidget(clientArea);

    buildControls(clientArea);
    layout->setMenuBar(buildMenu());
}

PreferencesDialog::~PreferencesDialog() = default;

void PreferencesDialog::buildControls(QWidget* clientArea)
{
    // An engraved rule under the menu bar.
    place(line(clientArea, "ruleShadow", QPalette::Mid), 0, 0, kClientWidth, 15);
    place(line(clientArea, "ruleLight", QPalette::Light), 0, 15, kClientWidth, 15);

    auto* account = named(new QGroupBox(QStringLiteral("Account Info"), clientArea), "accountGroup");
    place(account, 120, 120, 4575, 1575);
    place(new QLabel(QStringLiteral("Username:"), account), 240, 345, 975, 255);
    m_userNameEdit = named(new QLineEdit(account), "userNameEdit");
    place(m_userNameEdit, 1320, 300, 3015, 315);
    place(new QLabel(QStringLiteral("Password:"), account), 240, 735, 975, 255);
    m_passwordEdit = named(new QLineEdit(account), "passwordEdit");
    m_passwordEdit->setEchoMode(QLineEdit::Password);
    m_passwordEdit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    place(m_passwordEdit, 1320, 690, 3015, 315);
    auto* signup = named(new QPushButton(QStringLiteral("Create a new Account"), account), "signupButton");
    // Enter in a text box must not sign up.
    signup->setAutoDefault(false);
    place(signup, 1320, 1080, 3015, 375);
    connect(signup, &QPushButton::clicked, this, &PreferencesDialog::signupRequested);

    auto* interval = named(new QGroupBox(QStringLiteral("Update Timer"), clientArea), "intervalGroup");
    place(interval, 120, 1800, 4575, 735);
    place(new QLabel(QStringLiteral("Update every:"), interval), 240, 345, 1260, 255);
    m_intervalBox = named(new QComboBox(interval), "intervalBox");
    m_intervalBox->setEditable(true);
    // Typed text never stays, so it is neither completed nor added to the list.
    m_intervalBox->setCompleter(nullptr);
    m_intervalBox->setInsertPolicy(QComboBox::NoInsert);
    place(m_intervalBox, 1560, 300, 1095, 315);
    place(new QLabel(QStringLiteral("minute(s)"), interval), 2775, 345, 975, 255);
    // Only typing counts as a change; an entry chosen from the list stays.
    connect(m_intervalBox->lineEdit(), &QLineEdit::textEdited, this, &PreferencesDialog::showStoredInterval);

    auto* addressing = named(new QGroupBox(QStringLiteral("IP Addressing"), clientArea), "addressGroup");
    place(addressing, 120, 2640, 4575, 735);
    m_fixedAddressCheck = named(new QCheckBox(QStringLiteral("Use Static IP:"), addressing), "fixedAddressCheck");
    place(m_fixedAddressCheck, 240, 330, 1695, 255);
    m_addressEdit = named(new QLineEdit(addressing), "addressEdit");
    place(m_addressEdit, 2040, 300, 2295, 315);
    connect(m_fixedAddressCheck, &QCheckBox::toggled, this, &PreferencesDialog::useFixedAddress);
    connect(m_addressEdit, &QLineEdit::textChanged, this, &PreferencesDialog::keepAddress);

    auto* program = named(new QGroupBox(QStringLiteral("Program Settings"), clientArea), "programGroup");
    place(program, 120, 3480, 4575, 1095);
    m_autoUpdateCheck = named(new QCheckBox(QStringLiteral("Enable Automatic Updates"), program), "autoUpdateCheck");
    place(m_autoUpdateCheck, 240, 330, 3000, 255);
    m_minimizeAtStartCheck =
        named(new QCheckBox(QStringLiteral("Minimize on Startup"), program), "minimizeAtStartCheck");
    m_minimizeAtStartCheck->setTristate(true);
    place(m_minimizeAtStartCheck, 240, 690, 3000, 255);
}

QMenuBar* PreferencesDialog::buildMenu()
{
    auto* menuBar = named(new QMenuBar(this), "menuBar");
    menuBar->setNativeMenuBar(false);
    connect(named(menuBar->addAction(QStringLiteral("Save and &Close")), "saveAndCloseAction"), &QAction::triggered,
            this, &PreferencesDialog::saveAndClose);
    connect(named(menuBar->addAction(QStringLiteral("&Signup Now!")), "signupAction"), &QAction::triggered, this,
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
