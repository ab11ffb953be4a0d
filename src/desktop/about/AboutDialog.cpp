#include "desktop/about/AboutDialog.h"

#include "desktop/about/SystemInfo.h"
#include "desktop/platform/Platform.h"
#include "desktop/widgets/Twips.h"
#include "desktop/widgets/WidgetDesign.h"

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

AboutDialog::AboutDialog(Platform& platform) : m_platform(platform)
{
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    move(twipsToPixels(kLeft), twipsToPixels(kTop));

    auto* icon = named(new QLabel(this), "iconLabel");
    place(icon, 240, 240, 480, 480);
    icon->setPixmap(QIcon(QStringLiteral(":/veltaro.png")).pixmap(kIconPixels, kIconPixels));

    auto* ok = named(new QPushButton(QStringLiteral("OK"), this), "okButton");
    place(ok, 4245, 2625, 1260, 345);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &AboutDialog::accept);

    auto* systemInfo = named(new QPushButton(QStringLiteral("&System Info..."), this), "systemInfoButton");
    place(systemInfo, 4260, 3075, 1245, 345);
    connect(systemInfo, &QPushButton::clicked, this, &AboutDialog::showSystemInfo);

    // The engraved rule: a grey line with a white one just below it.
    auto* rule = named(new QFrame(this), "rule");
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    place(rule, 90, 2445, 5564, 30);

    m_descriptionLabel = wrappingLabel(this, "descriptionLabel", QStringLiteral("App Description"));
    place(m_descriptionLabel, 1050, 1125, 3885, 1170);

    m_titleLabel = wrappingLabel(this, "titleLabel", QStringLiteral("Application Title"));
    place(m_titleLabel, 1050, 240, 3885, 480);
    QFont titleFont = m_titleLabel->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    m_titleLabel->setFont(titleFont);

    m_versionLabel = wrappingLabel(this, "versionLabel", QStringLiteral("Version"));
    place(m_versionLabel, 1050, 780, 3885, 225);

    m_disclaimerLabel = wrappingLabel(this, "disclaimerLabel", QStringLiteral("Warning: ..."));
    place(m_disclaimerLabel, 255, 2625, 3870, 825);
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::showDialog()
{
    if (!m_loaded)
        load();
    show();
    raise();
    activateWindow();
}

void AboutDialog::load()
{
    m_loaded = true;
    setWindowTitle(QStringLiteral("About Quorvin Tech's Lumeris Client"));
    m_versionLabel->setText(QStringLiteral("Version ") + m_platform.app.versionText());
    m_titleLabel->setText(m_platform.app.title());
    m_descriptionLabel->setText(
        QStringLiteral("  This software allows dynamic ip users to have a domain name pointed to their computer."));
    m_disclaimerLabel->setText(
        QStringLiteral("Warning: this program is protected by copyright law and international treaties.\r\n"));
}

void AboutDialog::accept()
{
    m_loaded = false;
    hide();
}

void AboutDialog::showSystemInfo()
{
    startSystemInfo(m_platform);
}

void AboutDialog::reject()
{
    accept();
}
