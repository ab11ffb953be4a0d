// Construction and window handling of the preferences dialog.
#include "desktop/preferences/PreferencesDialog.h"

#include "desktop/Twips.h"
#include "desktop/WidgetDesign.h"

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

QFrame* line(QWidget* parent, const char* name, QPalette::ColorRole color)
{
    auto* frame = named(new QFrame(parent), name);
    frame->setAutoFillBackground(true);
    frame->setBackgroundRole(color);
    return frame;
}

} // namespace

PreferencesDialog::PreferencesDialog(ClientState& state, Platform& platform) : m_state(state), m_platform(platform)
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
    buildMenu();
    layout->setMenuBar(menuBar);
    connectHandlers();
}

PreferencesDialog::~PreferencesDialog() = default;

void PreferencesDialog::buildControls(QWidget* clientArea)
{
    // An engraved rule under the menu bar.
    Line1 = line(clientArea, "Line1", QPalette::Mid);
    place(Line1, 0, 0, kClientWidth, 15);
    Line2 = line(clientArea, "Line2", QPalette::Light);
    place(Line2, 0, 15, kClientWidth, 15);

    Frame3 = named(new QGroupBox(QStringLiteral("Account Info"), clientArea), "Frame3");
    place(Frame3, 120, 120, 4575, 1575);
    Label3 = named(new QLabel(QStringLiteral("Username:"), Frame3), "Label3");
    place(Label3, 240, 345, 975, 255);
    txtUsername = named(new QLineEdit(Frame3), "txtUsername");
    place(txtUsername, 1320, 300, 3015, 315);
    Label4 = named(new QLabel(QStringLiteral("Password:"), Frame3), "Label4");
    place(Label4, 240, 735, 975, 255);
    txtPassword = named(new QLineEdit(Frame3), "txtPassword");
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    place(txtPassword, 1320, 690, 3015, 315);
    Command1 = named(new QPushButton(QStringLiteral("Create a new Account"), Frame3), "Command1");
    // Enter in a text box must not sign up.
    Command1->setAutoDefault(false);
    place(Command1, 1320, 1080, 3015, 375);

    Frame2 = named(new QGroupBox(QStringLiteral("Update Timer"), clientArea), "Frame2");
    place(Frame2, 120, 1800, 4575, 735);
    Label1 = named(new QLabel(QStringLiteral("Update every:"), Frame2), "Label1");
    place(Label1, 240, 345, 1260, 255);
    cboTimer = named(new QComboBox(Frame2), "cboTimer");
    cboTimer->setEditable(true);
    // Typed text never stays, so it is neither completed nor added to the list.
    cboTimer->setCompleter(nullptr);
    cboTimer->setInsertPolicy(QComboBox::NoInsert);
    place(cboTimer, 1560, 300, 1095, 315);
    Label2 = named(new QLabel(QStringLiteral("minute(s)"), Frame2), "Label2");
    place(Label2, 2775, 345, 975, 255);

    Frame1 = named(new QGroupBox(QStringLiteral("IP Addressing"), clientArea), "Frame1");
    place(Frame1, 120, 2640, 4575, 735);
    chkUseStatic = named(new QCheckBox(QStringLiteral("Use Static IP:"), Frame1), "chkUseStatic");
    place(chkUseStatic, 240, 330, 1695, 255);
    txtCurrentIP = named(new QLineEdit(Frame1), "txtCurrentIP");
    place(txtCurrentIP, 2040, 300, 2295, 315);

    Frame4 = named(new QGroupBox(QStringLiteral("Program Settings"), clientArea), "Frame4");
    place(Frame4, 120, 3480, 4575, 1095);
    chkAutoUpdate = named(new QCheckBox(QStringLiteral("Enable Automatic Updates"), Frame4), "chkAutoUpdate");
    place(chkAutoUpdate, 240, 330, 3000, 255);
    chkMinimize = named(new QCheckBox(QStringLiteral("Minimize on Startup"), Frame4), "chkMinimize");
    chkMinimize->setTristate(true);
    place(chkMinimize, 240, 690, 3000, 255);
}

void PreferencesDialog::buildMenu()
{
    menuBar = named(new QMenuBar(this), "menuBar");
    menuBar->setNativeMenuBar(false);
    SaveNClose = named(menuBar->addAction(QStringLiteral("Save and &Close")), "SaveNClose");
    Signup = named(menuBar->addAction(QStringLiteral("&Signup Now!")), "Signup");
}

void PreferencesDialog::connectHandlers()
{
    connect(chkUseStatic, &QCheckBox::stateChanged, this, [this] { chkUseStatic_Click(); });
    connect(txtCurrentIP, &QLineEdit::textChanged, this, [this] { txtCurrentIP_Change(); });
    // Only typing counts as a change; an entry chosen from the list stays.
    connect(cboTimer->lineEdit(), &QLineEdit::textEdited, this, [this] { cboTimer_Change(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Signup, &QAction::triggered, this, [this] { Signup_Click(); });
    connect(SaveNClose, &QAction::triggered, this, [this] { SaveNClose_Click(); });
}

void PreferencesDialog::showDialog()
{
    if (m_loaded) {
        show();
        raise();
        return;
    }
    Form_Load();
    show();
}

void PreferencesDialog::bringIntoView()
{
    raise();
    activateWindow();
}

void PreferencesDialog::finishUnload()
{
    m_loaded = false;
    hide();
}

void PreferencesDialog::reject()
{
    if (m_loaded)
        Form_Unload();
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
    Form_Unload();
}
