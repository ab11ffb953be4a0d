#include "core/platform/Timers.h"
#include "core/settings/ConfigFile.h"
#include "desktop/main/MainWindow.h"
#include "desktop/preferences/PreferencesDialog.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

class PreferencesTest : public ClientTest
{
protected:
    void open() { state.preferencesDialog->showDialog(); }

    template <typename W> W* control(const char* name)
    {
        W* widget = state.preferencesDialog->findChild<W*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void press(QObject* target, int key, const QString& text = {})
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(target, &event);
    }

    void choose(const QString& minutes)
    {
        auto* box = control<QComboBox>("intervalBox");
        ASSERT_GE(box->findText(minutes), 0);
        box->setCurrentIndex(box->findText(minutes));
    }

    void saveAndClose() { control<QAction>("saveAndCloseAction")->trigger(); }

    // The sign-up pages handed to the desktop so far.
    int signupPagesOpened()
    {
        fake.clock.runPosted();
        return int(std::count_if(fake.desktop.opened.begin(), fake.desktop.opened.end(),
                                 [](const QUrl& url) { return url.path() == QLatin1String("/signup.php"); }));
    }
};

TEST_F(PreferencesTest, LoadFillsTheControlsFromTheStateMendsOutOfRangeValuesAndSignupLeavesItOpen)
{
    state.userName = QStringLiteral("alice");
    state.currentIP = QStringLiteral("10.0.0.1");
    state.autoUpdate = 2;
    state.minimizeOnStartup = 2;
    open();
    EXPECT_EQ(control<QLineEdit>("userNameEdit")->text(), "alice");
    EXPECT_EQ(control<QLineEdit>("passwordEdit")->echoMode(), QLineEdit::Password);
    EXPECT_EQ(control<QLineEdit>("addressEdit")->text(), "10.0.0.1");
    EXPECT_FALSE(control<QLineEdit>("addressEdit")->isEnabled());
    EXPECT_TRUE(control<QCheckBox>("autoUpdateCheck")->isChecked());
    EXPECT_EQ(control<QCheckBox>("minimizeAtStartCheck")->checkState(), Qt::PartiallyChecked);

    // Both sign-up commands open the page and leave the dialog as it was.
    control<QPushButton>("signupButton")->click();
    control<QAction>("signupAction")->trigger();
    EXPECT_EQ(signupPagesOpened(), 2);
    EXPECT_TRUE(state.preferencesOpen && state.preferencesDialog->isVisible());
    EXPECT_TRUE(fake.messageBoxes.shown().empty());

    // A zero interval becomes 15 and an unknown minimise value 0.
    FakeClient other;
    other.state.minimizeOnStartup = 5;
    other.state.preferencesDialog->showDialog();
    EXPECT_EQ(other.state.updateInterval, 15);
    EXPECT_EQ(other.state.preferencesDialog->findChild<QComboBox*>("intervalBox")->currentText(), "15");
    EXPECT_EQ(other.state.minimizeOnStartup, 0);
    EXPECT_EQ(other.state.preferencesDialog->findChild<QCheckBox*>("minimizeAtStartCheck")->checkState(),
              Qt::Unchecked);
}

TEST_F(PreferencesTest, TypedIntervalsAreReplacedAndSavedOnesBelow15Become15)
{
    state.updateInterval = 30;
    open();
    auto* box = control<QComboBox>("intervalBox");
    press(box->lineEdit(), Qt::Key_5, QStringLiteral("5"));
    EXPECT_EQ(box->currentText(), "30");

    choose(QStringLiteral("10"));
    EXPECT_EQ(state.updateInterval, 30);
    saveAndClose();
    EXPECT_EQ(state.updateInterval, 15);

    open();
    choose(QStringLiteral("120"));
    saveAndClose();
    EXPECT_EQ(state.updateInterval, 120);
}

TEST_F(PreferencesTest, SaveAndCloseSavesEverythingWithoutAQuestion)
{
    state.autoUpdate = 1;
    state.mainWindow->setAutomaticUpdates(true);
    open();
    // As pasted, with line ends and a tab that must not reach the settings file or a request.
    control<QLineEdit>("userNameEdit")->setText(QStringLiteral("new\r\n"));
    control<QLineEdit>("passwordEdit")->setText(QStringLiteral("p\tw\n"));
    control<QCheckBox>("minimizeAtStartCheck")->setCheckState(Qt::Checked);
    control<QCheckBox>("autoUpdateCheck")->setChecked(false);
    saveAndClose();

    EXPECT_TRUE(fake.messageBoxes.shown().empty());
    EXPECT_EQ(state.userName + state.password, "newpw");
    EXPECT_EQ(state.minimizeOnStartup, 1);
    EXPECT_EQ(state.autoUpdate, 0);
    EXPECT_EQ(labelText("userNameLabel"), "new");
    EXPECT_FALSE(state.preferencesOpen || state.preferencesDialog->isVisible());
    EXPECT_EQ(fake.files.writes, 1) << "saved at once, not only at exit";
    // The file holds the choices: the updates were turned off before it was written.
    ClientState saved;
    ConfigFile::load(saved, fake.platform);
    EXPECT_EQ(saved.minimizeOnStartup, 1);
    EXPECT_EQ(saved.autoUpdate, 0);
    fake.clock.clearTicks();
    fake.clock.advance(60000);
    EXPECT_TRUE(fake.clock.firings(QStringLiteral("minute")) == 0) << "the cycle stopped";
}

TEST_F(PreferencesTest, AnAccountTheSettingsFileCannotHoldIsRefusedAndTheDialogStaysOpen)
{
    state.userName = QStringLiteral("alice");
    state.password = QStringLiteral("old");
    open();
    control<QLineEdit>("passwordEdit")->setText(QStringLiteral("пароль"));
    saveAndClose();

    ASSERT_EQ(fake.messageBoxes.shown().size(), 1u);
    EXPECT_TRUE(
        fake.messageBoxes.shown().front().text.contains(QStringLiteral("\"п\", \"а\", \"р\", \"о\", \"л\", \"ь\"")));
    EXPECT_EQ(state.password, "old");
    EXPECT_TRUE(state.preferencesOpen && state.preferencesDialog->isVisible());

    // A ":" would split the field on the wire.
    control<QLineEdit>("userNameEdit")->setText(QStringLiteral("al:ice"));
    control<QLineEdit>("passwordEdit")->setText(QStringLiteral("new"));
    saveAndClose();
    EXPECT_EQ(fake.messageBoxes.shown().size(), 2u);
    EXPECT_EQ(state.userName, "alice");

    control<QLineEdit>("userNameEdit")->setText(QStringLiteral("alice"));
    saveAndClose();
    EXPECT_EQ(state.password, "new");
    EXPECT_FALSE(state.preferencesOpen || state.preferencesDialog->isVisible());
}

TEST_F(PreferencesTest, CloseBoxAnsweredNoKeepsTheAccountButNotTheFixedAddressAndEditsLastUntilThen)
{
    state.userName = QStringLiteral("old");
    // Shorter than any the dialog saves, as a settings file may hold: only saving mends it.
    state.updateInterval = 5;
    open();
    EXPECT_EQ(control<QComboBox>("intervalBox")->currentText(), "5");
    control<QLineEdit>("userNameEdit")->setText(QStringLiteral("new"));
    choose(QStringLiteral("60"));
    control<QCheckBox>("fixedAddressCheck")->click();
    EXPECT_TRUE(control<QLineEdit>("addressEdit")->isEnabled());
    control<QLineEdit>("addressEdit")->setText(QStringLiteral("192.0.2.7\n"));
    // Showing it again keeps the edits.
    open();
    EXPECT_EQ(control<QLineEdit>("userNameEdit")->text(), "new");
    state.preferencesDialog->close();
    fake.messageBoxes.answer(MsgAnswer::No);

    ASSERT_EQ(fake.messageBoxes.shown().size(), 1u);
    const auto& box = fake.messageBoxes.shown().front();
    EXPECT_EQ(box.title + " " + box.text, "Save Settings: Do you want to save these settings?");
    EXPECT_EQ(box.buttons, MsgButtons::YesNo);
    EXPECT_EQ(state.userName, "old");
    EXPECT_EQ(fake.files.writes, 0);
    EXPECT_EQ(state.updateInterval, 5);
    EXPECT_TRUE(state.useStaticIP);
    EXPECT_EQ(state.currentIP, "192.0.2.7");
    EXPECT_EQ(labelText("addressLabel"), "192.0.2.7");
    EXPECT_FALSE(state.preferencesOpen || state.preferencesDialog->isVisible());
    open();
    EXPECT_EQ(control<QLineEdit>("userNameEdit")->text(), "old");
}

TEST_F(PreferencesTest, EscapeAsksAndSavesOnYesAndACloseDuringTheQuestionIsTheSameClose)
{
    open();
    control<QLineEdit>("userNameEdit")->setText(QStringLiteral("bob"));
    control<QCheckBox>("minimizeAtStartCheck")->setCheckState(Qt::PartiallyChecked);
    control<QCheckBox>("fixedAddressCheck")->click();
    control<QLineEdit>("addressEdit")->setText(QStringLiteral("192.0.2.7\r\n"));
    press(state.preferencesDialog.get(), Qt::Key_Escape);
    state.preferencesDialog->close();
    EXPECT_EQ(fake.messageBoxes.shown().size(), 1u);
    EXPECT_TRUE(state.preferencesOpen);
    fake.messageBoxes.answer(MsgAnswer::Yes);

    EXPECT_EQ(state.userName + " " + state.currentIP, "bob 192.0.2.7");
    EXPECT_EQ(state.minimizeOnStartup, 2);
    EXPECT_FALSE(state.preferencesOpen || state.preferencesDialog->isVisible() || state.preferencesDialog->isLoaded());
}

TEST_F(PreferencesTest, StartupWithoutCredentialsWaitsForTheDialog)
{
    state.mainWindow->start();
    EXPECT_TRUE(state.preferencesOpen && state.preferencesDialog->isVisible());

    fake.clock.clearTicks();
    fake.clock.advance(3000);
    EXPECT_EQ(fake.clock.firings(QStringLiteral("preferencesForward")), 1);
    EXPECT_TRUE(fake.clock.firings(QStringLiteral("startList")) == 0) << "no host list without an account";

    saveAndClose();
    EXPECT_FALSE(state.preferencesOpen);
    fake.clock.advance(1000);
    EXPECT_EQ(fake.clock.firings(QStringLiteral("startList")), 1) << "the list follows the new account";
}

} // namespace
