#include "desktop/main/MainWindow.h"

#include "core/client/ClientState.h"
#include "core/client/UpdateClient.h"
#include "core/platform/Timers.h"
#include "desktop/Twips.h"
#include "desktop/WidgetDesign.h"
#include "desktop/history/HistoryWindow.h"
#include "desktop/main/TrayNotices.h"
#include "desktop/platform/Platform.h"

#include <algorithm>

#include <QCloseEvent>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
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

MainWindow::MainWindow(ClientState& state, Platform& platform) : m_state(state), m_platform(platform)
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
    setOuterWidthTwips(kNarrowOuterWidth);

    m_preferencesForward = platform.timers.createTimer(QStringLiteral("preferencesForward"), TimerMode::SingleShot,
                                                       [this] { bringPreferencesForward(); });
    connect(m_state.client.get(), &UpdateClient::groupUpdateStarted, this, [this](int groups) {
        if (m_notices && groups > 0) {
            m_notices->updateStarted();
            showTrayPicture();
        }
    });

    m_platform.tray.onActivated = [this](TrayIcon::Activation activation, QPoint pos) {
        trayIcon_Activated(activation, pos);
    };
    m_platform.network.onChange = [this] { m_state.client->scheduler().networkChanged(); };
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

    Frame1 = named(new QGroupBox(QStringLiteral("Username"), central), "Frame1");
    place(Frame1, 120, 0, 2295, 615);
    lblUsername = named(new QLabel(QStringLiteral("USER NAME HERE"), Frame1), "lblUsername");
    place(lblUsername, 120, 270, 2055, 255);

    Frame2 = named(new QGroupBox(central), "Frame2");
    place(Frame2, 2520, 0, 2175, 615);
    lblCurrentIP = named(new QLabel(Frame2), "lblCurrentIP");
    lblCurrentIP->setToolTip(QStringLiteral("Current IP"));
    place(lblCurrentIP, 120, 120, 1935, 225);
    lblLastUpdate = named(new QLabel(Frame2), "lblLastUpdate");
    lblLastUpdate->setToolTip(QStringLiteral("Last Update"));
    place(lblLastUpdate, 120, 360, 1935, 225);

    cmdRefresh = named(new QPushButton(QStringLiteral("Refresh List"), central), "cmdRefresh");
    place(cmdRefresh, 120, 660, 1455, 255);
    cmdNews = named(new QPushButton(QStringLiteral("Manage Hosts"), central), "cmdNews");
    place(cmdNews, 1680, 660, 1455, 255);
    cmdUpdate = named(new QPushButton(QStringLiteral("Update Groups"), central), "cmdUpdate");
    place(cmdUpdate, 3240, 660, 1455, 255);

    Shape1 = named(new QFrame(central), "Shape1");
    Shape1->setFrameShape(QFrame::Box);
    place(Shape1, 120, 945, 4575, 240);
    lblStatusBar = named(new QLabel(QStringLiteral(" Status: Running"), Shape1), "lblStatusBar");
    place(lblStatusBar, 15, 15, 4545, 210);

    lstGroups = named(new QListWidget(central), "lstGroups");
    // Every line has the same height; saves a measuring pass over long lists.
    lstGroups->setUniformItemSizes(true);
    place(lstGroups, 120, 1200, 4575, 5460);
    Label1 = named(new QLabel(QStringLiteral("Hosts in Group:"), central), "Label1");
    place(Label1, 4920, 960, 1215, 255);
    Label1->resize(std::max(Label1->width(), Label1->sizeHint().width()), Label1->height());
    lblGroup = named(new QLabel(QStringLiteral("GROUP NAME HERE"), central), "lblGroup");
    place(lblGroup, 6045, 960, 3375, 255);
    // The heading may be wider in this font than in its design: the group name follows it.
    if (const int headingEnd = Label1->x() + Label1->sizeHint().width() + 4; headingEnd > lblGroup->x())
        lblGroup->setGeometry(headingEnd, lblGroup->y(), Label1->x() + twipsToPixels(4455) - headingEnd,
                              lblGroup->height());
    // Group names and status texts carry the server's words: shown as they are, never as markup.
    for (QLabel* label : {lblUsername, lblCurrentIP, lblLastUpdate, lblStatusBar, lblGroup})
        label->setTextFormat(Qt::PlainText);
    lstHosts = named(new QListWidget(central), "lstHosts");
    lstHosts->setUniformItemSizes(true);
    place(lstHosts, 4920, 1200, 4455, 5460);

    cmdViewHosts = named(new QPushButton(QStringLiteral("View Hosts in Group >>"), central), "cmdViewHosts");
    place(cmdViewHosts, 2640, 6720, 2055, 255);

    Line1 = named(new QFrame(central), "Line1");
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    place(Line1, 120, 6690, 4575, 15);
    Line2 = named(new QFrame(central), "Line2");
    Line2->setFrameShape(QFrame::VLine);
    Line2->setFrameShadow(QFrame::Sunken);
    place(Line2, 4800, 960, 15, 5700);

    connect(lstGroups, &QListWidget::currentRowChanged, this, [this] { lstGroups_Click(); });
    // Only a change of the check state counts as an item check; the state last seen is kept
    // with the item so text changes are told apart.
    connect(lstGroups, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        const int seen = item->data(Qt::UserRole).toInt();
        if (seen == int(item->checkState()))
            return;
        item->setData(Qt::UserRole, int(item->checkState()));
        lstGroups_ItemCheck(lstGroups->row(item));
    });
    connect(cmdViewHosts, &QPushButton::clicked, this, [this] { cmdViewHosts_Click(); });
    connect(cmdRefresh, &QPushButton::clicked, this, [this] { getHosts_Click(); });
    connect(cmdNews, &QPushButton::clicked, this, [this] { OpenMembersArea(); });
    connect(cmdUpdate, &QPushButton::clicked, this, [this] { Update_Click(); });
}

void MainWindow::buildMenus()
{
    QMenuBar* bar = menuBar();

    File = named(bar->addMenu(QStringLiteral("&File")), "File");
    New = named(File->addMenu(QStringLiteral("&New")), "New");
    Group = namedAction(New, "Group", QStringLiteral("Group"));
    Host = namedAction(New, "Host", QStringLiteral("Host"));
    New->menuAction()->setVisible(false);
    Properties = namedAction(File, "Properties", QStringLiteral("Group Properties"));
    Properties->setVisible(false);
    mnuSave = namedAction(File, "mnuSave", QStringLiteral("Save Configuration"));
    File->addSeparator()->setObjectName(QStringLiteral("spacer1"));
    Exit = namedAction(File, "Exit", QStringLiteral("E&xit"));

    Commands = named(bar->addMenu(QStringLiteral("Commands")), "Commands");
    getMyIP = namedAction(Commands, "getMyIP", QStringLiteral("Check for new IP"));
    getMyIP->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    getHosts = namedAction(Commands, "getHosts", QStringLiteral("Refresh List"));
    getHosts->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    Update = namedAction(Commands, "Update", QStringLiteral("Update Groups/Hosts"));
    Update->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    Commands->addSeparator()->setObjectName(QStringLiteral("spacer8"));
    CheckNews = namedAction(Commands, "CheckNews", QStringLiteral("Modify Hosts/Groups"));
    CheckNews->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    mnuHistory = namedAction(Commands, "mnuHistory", QStringLiteral("Update History..."));
    mnuHistory->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));

    Settings = named(bar->addMenu(QStringLiteral("&Settings")), "Settings");
    Preferences = namedAction(Settings, "Preferences", QStringLiteral("&Program Settings"));
    Preferences->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Settings->addSeparator()->setObjectName(QStringLiteral("spacer6"));
    enableUpdates = namedAction(Settings, "enableUpdates", QStringLiteral("Enable Auto Updates"));
    disableUpdates = namedAction(Settings, "disableUpdates", QStringLiteral("Disable Auto Updates"));
    Settings->addSeparator()->setObjectName(QStringLiteral("spacer9"));
    startAtLogin = namedAction(Settings, "startAtLogin", QStringLiteral("Start at Login"));
    startAtLogin->setCheckable(true);
    startAtLogin->setChecked(m_platform.loginStart.isEnabled());
    mnuNotifications = namedAction(Settings, "mnuNotifications", QStringLiteral("Notifications"));
    mnuNotifications->setCheckable(true);
    mnuNotifications->setChecked(true);

    Help = named(bar->addMenu(QStringLiteral("&Help")), "Help");
    Support = namedAction(Help, "Support", QStringLiteral("Online Support"));
    Support->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    checkVersion = namedAction(Help, "checkVersion", QStringLiteral("Check for product update..."));
    Help->addSeparator()->setObjectName(QStringLiteral("spacer4"));
    About = namedAction(Help, "About", QStringLiteral("About Lumeris..."));

    for (QAction* action : {enableUpdates, disableUpdates})
        action->setCheckable(true);
    enableUpdates->setChecked(true);

    connect(mnuSave, &QAction::triggered, this, [this] { mnuSave_Click(); });
    connect(Exit, &QAction::triggered, this, [this] { Exit_Click(); });
    connect(getMyIP, &QAction::triggered, this, [this] { getMyIP_Click(); });
    connect(getHosts, &QAction::triggered, this, [this] { getHosts_Click(); });
    connect(Update, &QAction::triggered, this, [this] { Update_Click(); });
    connect(CheckNews, &QAction::triggered, this, [this] { CheckNews_Click(); });
    connect(Preferences, &QAction::triggered, this, [this] { Preferences_Click(); });
    connect(enableUpdates, &QAction::triggered, this, [this] { enableUpdates_Click(); });
    connect(disableUpdates, &QAction::triggered, this, [this] { disableUpdates_Click(); });
    connect(mnuHistory, &QAction::triggered, this, [this] { mnuHistory_Click(); });
    connect(mnuNotifications, &QAction::triggered, this, [this](bool checked) { mnuNotifications_Click(checked); });
    connect(startAtLogin, &QAction::triggered, this, [this](bool checked) { startAtLogin_Click(checked); });
    connect(Support, &QAction::triggered, this, [this] { Support_Click(); });
    connect(checkVersion, &QAction::triggered, this, [this] { checkVersion_Click(); });
    connect(About, &QAction::triggered, this, [this] { About_Click(); });
}

void MainWindow::buildTrayMenu()
{
    // Never shown in the menu bar; the tray icon pops it up.
    mnuPopup = named(new QMenu(QStringLiteral("mnuPopup"), this), "mnuPopup");
    ShowForm = namedAction(mnuPopup, "ShowForm", QStringLiteral("&Show Veltaro"));
    mnuPreferences = namedAction(mnuPopup, "mnuPreferences", QStringLiteral("&Program Settings"));
    mnuPopup->addSeparator()->setObjectName(QStringLiteral("spacer7"));
    enableUpdatesTRAY = namedAction(mnuPopup, "enableUpdatesTRAY", QStringLiteral("Enable Auto Updates"));
    disableUpdatesTRAY = namedAction(mnuPopup, "disableUpdatesTRAY", QStringLiteral("Disable Auto Updates"));
    mnuPopup->addSeparator()->setObjectName(QStringLiteral("spacer3"));
    mnuCheckNews = namedAction(mnuPopup, "mnuCheckNews", QStringLiteral("Check &News"));
    mnuManageHosts = namedAction(mnuPopup, "mnuManageHosts", QStringLiteral("Manage &Hosts"));
    UpdateGroups = namedAction(mnuPopup, "UpdateGroups", QStringLiteral("Update &Groups/Hosts"));
    mnuPopup->addSeparator()->setObjectName(QStringLiteral("spacer2"));
    mnuExit = namedAction(mnuPopup, "mnuExit", QStringLiteral("E&xit"));

    for (QAction* action : {enableUpdatesTRAY, disableUpdatesTRAY})
        action->setCheckable(true);
    enableUpdatesTRAY->setChecked(true);

    connect(ShowForm, &QAction::triggered, this, [this] { ShowForm_Click(); });
    connect(mnuPreferences, &QAction::triggered, this, [this] { Preferences_Click(); });
    connect(enableUpdatesTRAY, &QAction::triggered, this, [this] { enableUpdatesTRAY_Click(); });
    connect(disableUpdatesTRAY, &QAction::triggered, this, [this] { disableUpdatesTRAY_Click(); });
    connect(mnuCheckNews, &QAction::triggered, this, [this] { CheckNews_Click(); });
    connect(mnuManageHosts, &QAction::triggered, this, [this] { OpenMembersArea(); });
    connect(UpdateGroups, &QAction::triggered, this, [this] { Update_Click(); });
    connect(mnuExit, &QAction::triggered, this, [this] { Exit_Click(); });
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
        Form_Resize();
}

void MainWindow::Form_Resize()
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
        Exit_Click();
}
