#include "desktop/about/AboutDialog.h"

#include "desktop/about/SystemInfo.h"
#include "desktop/platform/Platform.h"
#include "desktop/widgets/Controls.h"

#include <QBoxLayout>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace {

// Where the box first appears, in pixels from the screen's corner.
constexpr QPoint kFirstPlace(156, 129);
constexpr int kIconPixels = 32;
// The text columns' widths in average characters of the box's font, so that they grow with it.
constexpr int kTextChars = 43;
constexpr int kDisclaimerChars = 42;
// The description keeps room for this many half lines, which sets the box's height.
constexpr int kDescriptionHalfLines = 11;

QLabel* wrappingLabel(QWidget* parent, const char* name, const QString& text, int chars = kTextChars)
{
    auto* label = named(new QLabel(text, parent), name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFixedWidth(charsWide(label, chars));
    return label;
}

} // namespace

AboutDialog::AboutDialog(Platform& platform) : m_platform(platform)
{
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    move(kFirstPlace);

    auto* icon = named(new QLabel(this), "iconLabel");
    icon->setFixedSize(kIconPixels, kIconPixels);
    icon->setPixmap(QIcon(QStringLiteral(":/veltaro.png")).pixmap(kIconPixels, kIconPixels));

    m_titleLabel = wrappingLabel(this, "titleLabel", tr("Application Title"));
    QFont titleFont = m_titleLabel->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    m_titleLabel->setFont(titleFont);
    m_versionLabel = wrappingLabel(this, "versionLabel", tr("Version"));
    m_descriptionLabel = wrappingLabel(this, "descriptionLabel", tr("App Description"));
    m_descriptionLabel->setMinimumHeight(m_descriptionLabel->fontMetrics().lineSpacing() * kDescriptionHalfLines / 2);
    m_disclaimerLabel = wrappingLabel(this, "disclaimerLabel", tr("Warning: ..."), kDisclaimerChars);

    auto* ok = named(new QPushButton(tr("OK"), this), "okButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &AboutDialog::accept);
    auto* systemInfo = named(new QPushButton(tr("&System Info..."), this), "systemInfoButton");
    connect(systemInfo, &QPushButton::clicked, this, &AboutDialog::showSystemInfo);

    // The engraved rule: a grey line with a white one just below it.
    auto* rule = named(new QFrame(this), "rule");
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(0);
    texts->addWidget(m_titleLabel);
    texts->addSpacing(15);
    texts->addWidget(m_versionLabel);
    texts->addSpacing(9);
    texts->addWidget(m_descriptionLabel);
    auto* top = new QHBoxLayout;
    top->setContentsMargins(10, 0, 0, 0);
    top->setSpacing(22);
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(texts);
    top->addStretch();

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(7);
    buttons->addWidget(ok);
    buttons->addWidget(systemInfo);
    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(11, 0, 10, 0);
    bottom->setSpacing(8);
    bottom->addWidget(m_disclaimerLabel, 0, Qt::AlignTop);
    bottom->addStretch();
    bottom->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 16, 5, 9);
    layout->setSpacing(10);
    // The box is as big as its texts need, and no bigger.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(top);
    layout->addWidget(rule);
    layout->addLayout(bottom);
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
    setWindowTitle(tr("About Quorvin Tech's Lumeris Client"));
    m_versionLabel->setText(tr("Version %1").arg(m_platform.app.versionText()));
    m_titleLabel->setText(m_platform.app.title());
    m_descriptionLabel->setText(
        tr("  This software allows dynamic ip users to have a domain name pointed to their computer."));
    m_disclaimerLabel->setText(tr("Warning: this program is protected by copyright law and international treaties.") +
                               QStringLiteral("\r\n"));
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
