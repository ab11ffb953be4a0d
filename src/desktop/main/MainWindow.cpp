#include "desktop/main/MainWindow.h"

#include "core/client/UpdateClient.h"
#include "core/protocol/LastUpdateTime.h"
#include "desktop/history/HistoryWindow.h"
#include "desktop/main/TrayNotices.h"
#include "desktop/platform/Platform.h"
#include "desktop/widgets/Twips.h"
#include "desktop/widgets/WidgetDesign.h"

#include <algorithm>

#include <QCloseEvent>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>

namespace {

constexpr int kClientHeight = 7035;
// The fixed single border adds this much to the client width.
constexpr int kBorderTwips = 90;

QAction* namedAction(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

MainWindow::MainWindow(UpdateClient& client, Platform& platform) : m_client(client), m_platform(platform)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(platform.app.title());
    setWindowIcon(QIcon(QStringLiteral(":/veltaro.png")));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    // The design's geometry was laid out for an 8-point font; larger ones clip the captions.
    QFont designFont = font();
    designFont.setPointSize(8);
    setFont(designFont);
    buildControls();
    buildMenus();
    buildTrayMenu();
    for (QAction* action :
         {m_enableUpdatesAction, m_disableUpdatesAction, m_trayEnableUpdatesAction, m_trayDisableUpdatesAction})
        action->setCheckable(true);
    showAutomaticUpdates(true);
    setOuterWidthTwips(kNarrowOuterWidth);

    connect(&m_client, &UpdateClient::statusChanged, this, &MainWindow::showStatus);
    connect(&m_client, &UpdateClient::failed, this, &MainWindow::showStatus);
    connect(&m_client, &UpdateClient::updateVerdict, this, [this](bool allSucceeded) {
        showStatus(allSucceeded ? QStringLiteral(" Update successful") : QStringLiteral(" Update failed"));
    });
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
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(central);

    auto* userNameBox = named(new QGroupBox(QStringLiteral("Username"), central), "userNameBox");
    place(userNameBox, 120, 0, 2295, 615);
    m_userNameLabel = named(new QLabel(QStringLiteral("USER NAME HERE"), userNameBox), "userNameLabel");
    place(m_userNameLabel, 120, 270, 2055, 255);

    auto* addressBox = named(new QGroupBox(central), "addressBox");
    place(addressBox, 2520, 0, 2175, 615);
    m_addressLabel = named(new QLabel(addressBox), "addressLabel");
    m_addressLabel->setToolTip(QStringLiteral("Current IP"));
    place(m_addressLabel, 120, 120, 1935, 225);
    m_lastUpdateLabel = named(new QLabel(addressBox), "lastUpdateLabel");
    m_lastUpdateLabel->setToolTip(QStringLiteral("Last Update"));
    place(m_lastUpdateLabel, 120, 360, 1935, 225);

    auto* refreshButton = named(new QPushButton(QStringLiteral("Refresh List"), central), "refreshButton");
    place(refreshButton, 120, 660, 1455, 255);
    auto* manageHostsButton = named(new QPushButton(QStringLiteral("Manage Hosts"), central), "manageHostsButton");
    place(manageHostsButton, 1680, 660, 1455, 255);
    auto* updateButton = named(new QPushButton(QStringLiteral("Update Groups"), central), "updateButton");
    place(updateButton, 3240, 660, 1455, 255);

    auto* statusFrame = named(new QFrame(central), "statusFrame");
    statusFrame->setFrameShape(QFrame::Box);
    place(statusFrame, 120, 945, 4575, 240);
    m_statusLabel = named(new QLabel(QStringLiteral(" Status: Running"), statusFrame), "statusLabel");
    place(m_statusLabel, 15, 15, 4545, 210);

    m_groupsList = named(new QListWidget(central), "groupsList");
    // Every line has the same height; saves a measuring pass over long lists.
    m_groupsList->setUniformItemSizes(true);
    place(m_groupsList, 120, 1200, 4575, 5460);
    auto* hostsHeading = named(new QLabel(QStringLiteral("Hosts in Group:"), central), "hostsHeading");
    place(hostsHeading, 4920, 960, 1215, 255);
    hostsHeading->resize(std::max(hostsHeading->width(), hostsHeading->sizeHint().width()), hostsHeading->height());
    m_groupLabel = named(new QLabel(QStringLiteral("GROUP NAME HERE"), central), "groupLabel");
    place(m_groupLabel, 6045, 960, 3375, 255);
    // The heading may be wider in this font than in its design: the group name follows it.
    if (const int headingEnd = hostsHeading->x() + hostsHeading->sizeHint().width() + 4; headingEnd > m_groupLabel->x())
        m_groupLabel->setGeometry(headingEnd, m_groupLabel->y(), hostsHeading->x() + twipsToPixels(4455) - headingEnd,
                                  m_groupLabel->height());
    // Group names and status texts carry the server's words: shown as they are, never as markup.
    for (QLabel* label : {m_userNameLabel, m_addressLabel, m_lastUpdateLabel, m_statusLabel, m_groupLabel})
        label->setTextFormat(Qt::PlainText);
    m_hostsList = named(new QListWidget(central), "hostsList");
    m_hostsList->setUniformItemSizes(true);
    place(m_hostsList, 4920, 1200, 4455, 5460);

    m_viewHostsButton = named(new QPushButton(QStringLiteral("View Hosts in Group >>"), central), "viewHostsButton");
    place(m_viewHostsButton, 2640, 6720, 2055, 255);

    auto* listsRule = named(new QFrame(central), "listsRule");
    listsRule->setFrameShape(QFrame::HLine);
    listsRule->setFrameShadow(QFrame::Sunken);
    place(listsRule, 120, 6690, 4575, 15);
    auto* panelRule = named(new QFrame(central), "panelRule");
    panelRule->setFrameShape(QFrame::VLine);
    panelRule->setFrameShadow(QFrame::Sunken);
    place(panelRule, 4800, 960, 15, 5700);

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

    QMenu* fileMenu = named(bar->addMenu(QStringLiteral("&File")), "fileMenu");
    item(fileMenu, "saveAction", QStringLiteral("Save Configuration"), &MainWindow::saveSettings);
    fileMenu->addSeparator()->setObjectName(QStringLiteral("spacer1"));
    item(fileMenu, "exitAction", QStringLiteral("E&xit"), &MainWindow::quit);

    QMenu* commandsMenu = named(bar->addMenu(QStringLiteral("Commands")), "commandsMenu");
    item(commandsMenu, "checkAddressAction", QStringLiteral("Check for new IP"), &MainWindow::checkAddress,
         QKeySequence(Qt::CTRL | Qt::Key_I));
    item(commandsMenu, "refreshAction", QStringLiteral("Refresh List"), &MainWindow::refreshHostList,
         QKeySequence(Qt::CTRL | Qt::Key_R));
    item(commandsMenu, "updateAction", QStringLiteral("Update Groups/Hosts"), &MainWindow::updateCheckedGroups,
         QKeySequence(Qt::CTRL | Qt::Key_U));
    commandsMenu->addSeparator()->setObjectName(QStringLiteral("spacer8"));
    item(commandsMenu, "checkNewsAction", QStringLiteral("Modify Hosts/Groups"), &MainWindow::checkNews,
         QKeySequence(Qt::CTRL | Qt::Key_M));
    item(commandsMenu, "historyAction", QStringLiteral("Update History..."), &MainWindow::showHistory,
         QKeySequence(Qt::CTRL | Qt::Key_Y));

    QMenu* settingsMenu = named(bar->addMenu(QStringLiteral("&Settings")), "settingsMenu");
    item(settingsMenu, "preferencesAction", QStringLiteral("&Program Settings"), &MainWindow::showPreferences,
         QKeySequence(Qt::CTRL | Qt::Key_S));
    settingsMenu->addSeparator()->setObjectName(QStringLiteral("spacer6"));
    m_enableUpdatesAction = namedAction(settingsMenu, "enableUpdatesAction", QStringLiteral("Enable Auto Updates"));
    m_disableUpdatesAction = namedAction(settingsMenu, "disableUpdatesAction", QStringLiteral("Disable Auto Updates"));
    settingsMenu->addSeparator()->setObjectName(QStringLiteral("spacer9"));
    m_startAtLoginAction = namedAction(settingsMenu, "startAtLoginAction", QStringLiteral("Start at Login"));
    m_startAtLoginAction->setCheckable(true);
    m_startAtLoginAction->setChecked(m_platform.loginStart.isEnabled());
    m_notificationsAction = namedAction(settingsMenu, "notificationsAction", QStringLiteral("Notifications"));
    m_notificationsAction->setCheckable(true);
    m_notificationsAction->setChecked(true);

    QMenu* helpMenu = named(bar->addMenu(QStringLiteral("&Help")), "helpMenu");
    item(helpMenu, "supportAction", QStringLiteral("Online Support"), &MainWindow::openSupport,
         QKeySequence(Qt::CTRL | Qt::Key_H));
    item(helpMenu, "checkVersionAction", QStringLiteral("Check for product update..."), &MainWindow::checkVersion);
    helpMenu->addSeparator()->setObjectName(QStringLiteral("spacer4"));
    item(helpMenu, "aboutAction", QStringLiteral("About Lumeris..."), &MainWindow::showAbout);

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
    item("trayShowAction", QStringLiteral("&Show Veltaro"), &MainWindow::showFromTray);
    item("trayPreferencesAction", QStringLiteral("&Program Settings"), &MainWindow::showPreferences);
    m_trayMenu->addSeparator()->setObjectName(QStringLiteral("spacer7"));
    m_trayEnableUpdatesAction =
        namedAction(m_trayMenu, "trayEnableUpdatesAction", QStringLiteral("Enable Auto Updates"));
    m_trayDisableUpdatesAction =
        namedAction(m_trayMenu, "trayDisableUpdatesAction", QStringLiteral("Disable Auto Updates"));
    m_trayMenu->addSeparator()->setObjectName(QStringLiteral("spacer3"));
    item("trayCheckNewsAction", QStringLiteral("Check &News"), &MainWindow::checkNews);
    item("trayManageHostsAction", QStringLiteral("Manage &Hosts"), &MainWindow::openMembersArea);
    item("trayUpdateAction", QStringLiteral("Update &Groups/Hosts"), &MainWindow::updateCheckedGroups);
    m_trayMenu->addSeparator()->setObjectName(QStringLiteral("spacer2"));
    item("trayExitAction", QStringLiteral("E&xit"), &MainWindow::quit);

    connect(m_trayEnableUpdatesAction, &QAction::triggered, this, [this] { setAutomaticUpdates(true); });
    connect(m_trayDisableUpdatesAction, &QAction::triggered, this, [this] { setAutomaticUpdates(false); });
}

Settings& MainWindow::settings()
{
    return m_client.settings();
}

void MainWindow::showStatus(const QString& text)
{
    m_statusLabel->setText(text);
}

void MainWindow::showLastUpdate(const QDateTime& when)
{
    m_lastUpdateLabel->setText(LastUpdateTime::format(when, QLocale::system()));
}

void MainWindow::setUserName(const QString& userName)
{
    m_userNameLabel->setText(userName);
}

void MainWindow::setOuterWidthTwips(int twips)
{
    setFixedSize(twipsToPixels(twips - kBorderTwips), twipsToPixels(kClientHeight) + menuBar()->sizeHint().height());
}

int MainWindow::outerWidthTwips() const
{
    return pixelsToTwips(width()) + kBorderTwips;
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
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
