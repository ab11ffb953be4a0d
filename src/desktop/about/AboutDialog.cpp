#include "desktop/about/AboutDialog.h"

#include "desktop/Twips.h"
#include "desktop/WidgetDesign.h"
#include "desktop/about/SystemInfo.h"
#include "desktop/platform/Platform.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kClientWidth = 5730;
constexpr int kClientHeight = 3555;
constexpr int kLeft = 2340;
constexpr int kTop = 1935;
constexpr int kIconPixels = 32;

QLabel* wrappingLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = named(new QLabel(text, parent), name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

AboutDialog::AboutDialog(ClientState&, Platform& platform) : m_platform(platform)
{
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    move(twipsToPixels(kLeft), twipsToPixels(kTop));

    picIcon = named(new QLabel(this), "picIcon");
    place(picIcon, 240, 240, 480, 480);
    picIcon->setPixmap(QIcon(QStringLiteral(":/veltaro.png")).pixmap(kIconPixels, kIconPixels));

    cmdOK = named(new QPushButton(QStringLiteral("OK"), this), "cmdOK");
    place(cmdOK, 4245, 2625, 1260, 345);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });

    cmdSysInfo = named(new QPushButton(QStringLiteral("&System Info..."), this), "cmdSysInfo");
    place(cmdSysInfo, 4260, 3075, 1245, 345);
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] { cmdSysInfo_Click(); });

    // The engraved rule: a grey line with a white one just below it.
    Line1 = named(new QFrame(this), "Line1");
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    place(Line1, 90, 2445, 5564, 30);

    lblDescription = wrappingLabel(this, "lblDescription", QStringLiteral("App Description"));
    place(lblDescription, 1050, 1125, 3885, 1170);

    lblTitle = wrappingLabel(this, "lblTitle", QStringLiteral("Application Title"));
    place(lblTitle, 1050, 240, 3885, 480);
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    lblTitle->setFont(titleFont);

    lblVersion = wrappingLabel(this, "lblVersion", QStringLiteral("Version"));
    place(lblVersion, 1050, 780, 3885, 225);

    lblDisclaimer = wrappingLabel(this, "lblDisclaimer", QStringLiteral("Warning: ..."));
    place(lblDisclaimer, 255, 2625, 3870, 825);
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::showDialog()
{
    if (!m_loaded)
        Form_Load();
    show();
    raise();
    activateWindow();
}

void AboutDialog::Form_Load()
{
    m_loaded = true;
    setWindowTitle(QStringLiteral("About Quorvin Tech's Lumeris Client"));
    lblVersion->setText(QStringLiteral("Version ") + m_platform.app.versionText());
    lblTitle->setText(m_platform.app.title());
    lblDescription->setText(
        QStringLiteral("  This software allows dynamic ip users to have a domain name pointed to their computer."));
    lblDisclaimer->setText(
        QStringLiteral("Warning: this program is protected by copyright law and international treaties.\r\n"));
}

void AboutDialog::cmdOK_Click()
{
    m_loaded = false;
    hide();
}

void AboutDialog::cmdSysInfo_Click()
{
    StartSysInfo(m_platform);
}

void AboutDialog::reject()
{
    cmdOK_Click();
}
