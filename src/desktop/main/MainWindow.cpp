#include "desktop/main/MainWindow.h"

#include "core/client/UpdateClient.h"
#include "core/protocol/LastUpdateTime.h"
#include "desktop/history/HistoryWindow.h"
#include "desktop/main/TrayNotices.h"
#include "desktop/platform/Platform.h"
#include "desktop/widgets/Controls.h"

#include <iterator>

#include <QBoxLayout>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>

namespace {

// The room of the window's first design, in pixels: at the desktop's usual font the window keeps its
// size, and only grows where a larger font needs it.
constexpr int kListWidth = 305;
constexpr int kHostsListWidth = 295;
constexpr int kListHeight = 350;
constexpr int kMargin = 8;
constexpr int kBottomMargin = 4;
constexpr int kSpacing = 7;
constexpr int kRowSpacing = 2;
constexpr int kHeadingSpacing = 4;
// The user name's box and the address's box share their row as they did in the design.
constexpr int kUserNameStretch = 153;
constexpr int kAddressStretch = 145;

QAction* namedAction(QMenu* menu, const char* name, const QString& caption)
{
    return named(menu->addAction(caption), name);
}

} // namespace

MainWindow::MainWindow(UpdateClient& client, Platform& platform) : m_client(client), m_platform(platform)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(platform.app.title());
    setWindowIcon(QIcon(QStringLiteral(":/veltaro.png")));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    buildControls();
    buildMenus();
    buildTrayMenu();
    for (QAction* action :
         {m_enableUpdatesAction, m_disableUpdatesAction, m_trayEnableUpdatesAction, m_trayDisableUpdatesAction})
        action->setCheckable(true);
    showAutomaticUpdates(true);
    // The window is as large as its contents, and follows them when the hosts panel opens or closes.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    showHostsPanel(false);

    connect(&m_client, &UpdateClient::statusChanged, this, &MainWindow::showStatus);
    connect(&m_client, &UpdateClient::failed, this, &MainWindow::showStatus);
    connect(&m_client, &UpdateClient::updateVerdict, this,
            [this](bool allSucceeded) { showStatus(allSucceeded ? tr(" Update successful") : tr(" Update failed")); });
    connect(&m_client, &UpdateClient::lastUpdateChanged, this, &MainWindow::showLastUpdate);
    connect(&m_client, &UpdateClient::addressChanged, this, &MainWindow::showAddress);
    connect(&m_client, &UpdateClient::hostListChanged, this, &MainWindow::showHostList);
    connect(&m_client, &UpdateClient::accountRefused, this, &MainWindow::showAccountRefused);
    connect(&m_client, &UpdateClient::groupUpdateStarted, this, [this](int groups) {
        if (m_notices && groups > 0) {
            m_notices->updateStarted();
            showTrayPicture();
        }
    });

    m_platform.tray.onActivated = [this](TrayIcon::Activation activation, QPoint pos) {
        trayActivated(activation, pos);
    };
    m_platform.network.onChange = [this] { m_client.scheduler().networkChanged(); };
}

MainWindow::~MainWindow()
{
    m_platform.tray.onActivated = nullptr;
    m_platform.network.onChange = nullptr;
}

void MainWindow::buildControls()
{
    auto* central = named(new QWidget(this), "clientArea");
    setCentralWidget(central);

    auto* userNameBox = named(new QGroupBox(tr("Username"), central), "userNameBox");
    m_userNameLabel = named(new QLabel(userNameBox), "userNameLabel");
    setUserName(tr("USER NAME HERE"));
    auto* userNameLayout = new QVBoxLayout(userNameBox);
    userNameLayout->setContentsMargins(kMargin, 0, kMargin, kRowSpacing);
    userNameLayout->addWidget(m_userNameLabel);

    auto* addressBox = named(new QGroupBox(central), "addressBox");
    m_addressLabel = named(new QLabel(addressBox), "addressLabel");
    m_addressLabel->setToolTip(tr("Current IP"));
    m_lastUpdateLabel = named(new QLabel(addressBox), "lastUpdateLabel");
    m_lastUpdateLabel->setToolTip(tr("Last Update"));
    auto* addressLayout = new QVBoxLayout(addressBox);
    addressLayout->setContentsMargins(kMargin, kRowSpacing, kMargin, kRowSpacing);
    addressLayout->setSpacing(0);
    addressLayout->addWidget(m_addressLabel);
    addressLayout->addWidget(m_lastUpdateLabel);

    auto* refreshButton = named(new QPushButton(tr("Refresh List"), central), "refreshButton");
    auto* manageHostsButton = named(new QPushButton(tr("Manage Hosts"), central), "manageHostsButton");
    auto* updateButton = named(new QPushButton(tr("Update Groups"), central), "updateButton");

    auto* statusFrame = named(new QFrame(central), "statusFrame");
    statusFrame->setFrameShape(QFrame::Box);
    m_statusLabel = named(new QLabel(statusFrame), "statusLabel");
    auto* statusLayout = new QHBoxLayout(statusFrame);
    statusLayout->setContentsMargins(0, 0, 0, 0);
    statusLayout->addWidget(m_statusLabel);
    showStatus(tr(" Status: Running"));

    m_groupsList = named(new QListWidget(central), "groupsList");
    m_groupsList->setAccessibleName(tr("Groups"));
    // Every line has the same height; saves a measuring pass over long lists.
    m_groupsList->setUniformItemSizes(true);

    m_hostsHeading = named(new QLabel(tr("Hosts in Group:"), central), "hostsHeading");
    m_groupLabel = named(new QLabel(central), "groupLabel");
    showValue(m_groupLabel, tr("GROUP NAME HERE"), tr("Group"));
    m_hostsList = named(new QListWidget(central), "hostsList");
    m_hostsList->setAccessibleName(tr("Hosts in Group"));
    m_hostsList->setUniformItemSizes(true);

    m_viewHostsButton = named(new QPushButton(tr("View Hosts in Group >>"), central), "viewHostsButton");

    auto* listsRule = named(new QFrame(central), "listsRule");
    listsRule->setFrameShape(QFrame::HLine);
    listsRule->setFrameShadow(QFrame::Sunken);
    m_panelRule = named(new QFrame(central), "panelRule");
    m_panelRule->setFrameShape(QFrame::VLine);
    m_panelRule->setFrameShadow(QFrame::Sunken);

    // Group names, status texts and the user name carry the server's or the user's words: shown as
    // they are, never as markup, and never widening the window.
    for (QLabel* label : {m_userNameLabel, m_addressLabel, m_lastUpdateLabel, m_statusLabel, m_groupLabel})
        label->setTextFormat(Qt::PlainText);
    for (QLabel* label : {m_userNameLabel, m_statusLabel, m_groupLabel})
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    keepRoomForNames();

    // The lists keep the room they had in the fixed design; larger fonts grow what is around them.
    m_groupsList->setMinimumSize(kListWidth, kListHeight);
    m_hostsList->setMinimumSize(kHostsListWidth, kListHeight);

    auto* accountRow = new QHBoxLayout;
    accountRow->setSpacing(kSpacing);
    accountRow->addWidget(userNameBox, kUserNameStretch);
    accountRow->addWidget(addressBox, kAddressStretch);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(kSpacing);
    for (QPushButton* button : {refreshButton, manageHostsButton, updateButton})
        buttonRow->addWidget(button);
    auto* headingRow = new QHBoxLayout;
    headingRow->setSpacing(kHeadingSpacing);
    headingRow->addWidget(m_hostsHeading);
    headingRow->addWidget(m_groupLabel, 1);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(kSpacing);
    grid->setVerticalSpacing(kRowSpacing);
    grid->addLayout(accountRow, 0, 0);
    grid->addLayout(buttonRow, 1, 0);
    grid->addWidget(statusFrame, 2, 0);
    grid->addWidget(m_groupsList, 3, 0);
    grid->addWidget(listsRule, 4, 0);
    grid->addWidget(m_panelRule, 2, 1, 2, 1);
    grid->addLayout(headingRow, 2, 2);
    grid->addWidget(m_hostsList, 3, 2);
    grid->setRowStretch(3, 1);
    // Below the grid, so that the closed panel's columns stay empty and take no room.
    auto* windowLayout = new QVBoxLayout(central);
    windowLayout->setContentsMargins(kMargin, 0, kMargin, kBottomMargin);
    windowLayout->setSpacing(kRowSpacing);
    windowLayout->addLayout(grid);
    windowLayout->addWidget(m_viewHostsButton, 0, Qt::AlignRight);

    // Reading order: the commands above the lists, then the lists, then the panel's button.
    QWidget* const order[] = {refreshButton, manageHostsButton, updateButton,
                              m_groupsList,  m_hostsList,       m_viewHostsButton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    connect(m_groupsList, &QListWidget::currentRowChanged, this, &MainWindow::showSelectedGroup);
    // Only a change of the check state counts as an item check; the state last seen is kept
    // with the item so text changes are told apart.
    connect(m_groupsList, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        const int seen = item->data(Qt::UserRole).toInt();
        if (seen == int(item->checkState()))
            return;
        item->setData(Qt::UserRole, int(item->checkState()));
        groupCheckChanged(m_groupsList->row(item));
    });
    connect(m_viewHostsButton, &QPushButton::clicked, this, &MainWindow::toggleHostsPanel);
    connect(refreshButton, &QPushButton::clicked, this, &MainWindow::refreshHostList);
    connect(manageHostsButton, &QPushButton::clicked, this, &MainWindow::openMembersArea);
    connect(updateButton, &QPushButton::clicked, this, &MainWindow::updateCheckedGroups);
}

void MainWindow::buildMenus()
{
    QMenuBar* bar = menuBar();
    const auto item = [this](QMenu* menu, const char* name, const QString& caption, void (MainWindow::*slot)(),
                             QKeySequence shortcut = {}) {
        QAction* action = namedAction(menu, name, caption);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    QMenu* fileMenu = named(bar->addMenu(tr("&File")), "fileMenu");
    item(fileMenu, "saveAction", tr("Save Configuration"), &MainWindow::saveSettings);
    fileMenu->addSeparator()->setObjectName(QStringLiteral("spacer1"));
    item(fileMenu, "exitAction", tr("E&xit"), &MainWindow::quit);

    QMenu* commandsMenu = named(bar->addMenu(tr("Commands")), "commandsMenu");
    item(commandsMenu, "checkAddressAction", tr("Check for new IP"), &MainWindow::checkAddress,
         QKeySequence(Qt::CTRL | Qt::Key_I));
    item(commandsMenu, "refreshAction", tr("Refresh List"), &MainWindow::refreshHostList,
         QKeySequence(Qt::CTRL | Qt::Key_R));
    item(commandsMenu, "updateAction", tr("Update Groups/Hosts"), &MainWindow::updateCheckedGroups,
         QKeySequence(Qt::CTRL | Qt::Key_U));
    commandsMenu->addSeparator()->setObjectName(QStringLiteral("spacer8"));
    item(commandsMenu, "checkNewsAction", tr("Modify Hosts/Groups"), &MainWindow::checkNews,
         QKeySequence(Qt::CTRL | Qt::Key_M));
    item(commandsMenu, "historyAction", tr("Update History..."), &MainWindow::showHistory,
         QKeySequence(Qt::CTRL | Qt::Key_Y));

    QMenu* settingsMenu = named(bar->addMenu(tr("&Settings")), "settingsMenu");
    item(settingsMenu, "preferencesAction", tr("&Program Settings"), &MainWindow::showPreferences,
         QKeySequence(Qt::CTRL | Qt::Key_S));
    settingsMenu->addSeparator()->setObjectName(QStringLiteral("spacer6"));
    m_enableUpdatesAction = namedAction(settingsMenu, "enableUpdatesAction", tr("Enable Auto Updates"));
    m_disableUpdatesAction = namedAction(settingsMenu, "disableUpdatesAction", tr("Disable Auto Updates"));
    settingsMenu->addSeparator()->setObjectName(QStringLiteral("spacer9"));
    m_startAtLoginAction = namedAction(settingsMenu, "startAtLoginAction", tr("Start at Login"));
    m_startAtLoginAction->setCheckable(true);
    m_startAtLoginAction->setChecked(m_platform.loginStart.isEnabled());
    m_notificationsAction = namedAction(settingsMenu, "notificationsAction", tr("Notifications"));
    m_notificationsAction->setCheckable(true);
    m_notificationsAction->setChecked(true);

    QMenu* helpMenu = named(bar->addMenu(tr("&Help")), "helpMenu");
    item(helpMenu, "supportAction", tr("Online Support"), &MainWindow::openSupport, QKeySequence(Qt::CTRL | Qt::Key_H));
    item(helpMenu, "checkVersionAction", tr("Check for product update..."), &MainWindow::checkVersion);
    helpMenu->addSeparator()->setObjectName(QStringLiteral("spacer4"));
    item(helpMenu, "aboutAction", tr("About Lumeris..."), &MainWindow::showAbout);

    connect(m_enableUpdatesAction, &QAction::triggered, this, [this] { setAutomaticUpdates(true); });
    connect(m_disableUpdatesAction, &QAction::triggered, this, [this] { setAutomaticUpdates(false); });
    connect(m_startAtLoginAction, &QAction::triggered, this, &MainWindow::setStartAtLogin);
    connect(m_notificationsAction, &QAction::triggered, this, &MainWindow::setNotifications);
}

void MainWindow::buildTrayMenu()
{
    // Never shown in the menu bar; the tray icon pops it up.
    m_trayMenu = named(new QMenu(QStringLiteral("mnuPopup"), this), "trayMenu");
    const auto item = [this](const char* name, const QString& caption, void (MainWindow::*slot)()) {
        connect(namedAction(m_trayMenu, name, caption), &QAction::triggered, this, slot);
    };
    item("trayShowAction", tr("&Show Veltaro"), &MainWindow::showFromTray);
    item("trayPreferencesAction", tr("&Program Settings"), &MainWindow::showPreferences);
    m_trayMenu->addSeparator()->setObjectName(QStringLiteral("spacer7"));
    m_trayEnableUpdatesAction = namedAction(m_trayMenu, "trayEnableUpdatesAction", tr("Enable Auto Updates"));
    m_trayDisableUpdatesAction = namedAction(m_trayMenu, "trayDisableUpdatesAction", tr("Disable Auto Updates"));
    m_trayMenu->addSeparator()->setObjectName(QStringLiteral("spacer3"));
    item("trayCheckNewsAction", tr("Check &News"), &MainWindow::checkNews);
    item("trayManageHostsAction", tr("Manage &Hosts"), &MainWindow::openMembersArea);
    item("trayUpdateAction", tr("Update &Groups/Hosts"), &MainWindow::updateCheckedGroups);
    m_trayMenu->addSeparator()->setObjectName(QStringLiteral("spacer2"));
    item("trayExitAction", tr("E&xit"), &MainWindow::quit);

    connect(m_trayEnableUpdatesAction, &QAction::triggered, this, [this] { setAutomaticUpdates(true); });
    connect(m_trayDisableUpdatesAction, &QAction::triggered, this, [this] { setAutomaticUpdates(false); });
}

Settings& MainWindow::settings()
{
    return m_client.settings();
}

void MainWindow::showValue(QLabel* label, const QString& value, const QString& what)
{
    label->setText(value);
    // The value alone says nothing to someone who cannot see where it stands; one that already
    // says what it is (" Status: Running") is read as it is.
    const QString shown = value.trimmed();
    //: A value as a screen reader says it: what it is, then the value.
    label->setAccessibleName(shown.startsWith(what) ? shown : tr("%1: %2").arg(what, shown));
    // A label that never widens the window may cut a long value (a server's words): its tip has it
    // all, as plain text whatever marks it holds.
    if (label->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored)
        label->setToolTip(QStringLiteral("<p>%1</p>").arg(shown.toHtmlEscaped()));
}

void MainWindow::showStatus(const QString& text)
{
    showValue(m_statusLabel, text, tr("Status"));
}

void MainWindow::showLastUpdate(const QDateTime& when)
{
    showValue(m_lastUpdateLabel, LastUpdateTime::format(when, QLocale::system()), tr("Last Update"));
}

void MainWindow::setUserName(const QString& userName)
{
    showValue(m_userNameLabel, userName, tr("Username"));
}

void MainWindow::keepRoomForNames()
{
    // A name as long as the placeholder fits in any font.
    for (const auto& [label, placeholder] :
         {std::pair(m_userNameLabel, tr("USER NAME HERE")), std::pair(m_groupLabel, tr("GROUP NAME HERE"))})
        label->setMinimumWidth(label->fontMetrics().size(Qt::TextSingleLine, placeholder).width());
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        keepRoomForNames();
    if (event->type() == QEvent::WindowStateChange)
        hideWhenMinimised();
}

void MainWindow::hideWhenMinimised()
{
    // Without a notification area a hidden window could never be brought back.
    if ((windowState() & Qt::WindowMinimized) && m_platform.tray.isAvailable())
        m_platform.timers.post([this] {
            if (windowState() & Qt::WindowMinimized)
                hide();
        });
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!m_exiting)
        quit();
}
