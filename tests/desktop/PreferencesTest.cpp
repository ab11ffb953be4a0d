#include "core/settings/ConfigFile.h"
#include "desktop/preferences/PreferencesDialog.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

class PreferencesTest : public SignedInTest
{
protected:
    PreferencesDialog& dialog() { return windows.preferencesDialog(); }
    template <typename W> W* control(const char* name) { return dialog().findChild<W*>(QLatin1String(name)); }
    void type(const char* box, const char* text) { control<QLineEdit>(box)->setText(QString::fromUtf8(text)); }
    void saveAndClose() { control<QAction>("saveAndCloseAction")->trigger(); }
    bool isOpen() { return dialog().isLoaded() && dialog().isVisible(); }
};

TEST_F(PreferencesTest, LoadShowsTheSettingsMendsWhatTheBoxesCannotShowAndSignupLeavesItOpen)
{
    settings.currentIP = QStringLiteral("10.0.0.1");
    settings.minimizeOnStartup = 5;
    dialog().showDialog();
    EXPECT_EQ(control<QLineEdit>("userNameEdit")->text() + control<QLineEdit>("addressEdit")->text(), "alice10.0.0.1");
    EXPECT_FALSE(control<QLineEdit>("addressEdit")->isEnabled());
    EXPECT_EQ(control<QCheckBox>("minimizeAtStartCheck")->checkState(), Qt::Unchecked);
    EXPECT_EQ(control<QComboBox>("intervalBox")->currentText(), "15");
    control<QPushButton>("signupButton")->click();
    fake.clock.runPosted();
    ASSERT_EQ(fake.desktop.opened.size(), 1);
    EXPECT_TRUE(fake.desktop.opened.first().toString().endsWith("/signup.php"));
    EXPECT_TRUE(isOpen());
}

TEST_F(PreferencesTest, SaveAndCloseKeepsOnlyAnAccountTheFileCanHoldTellsTheMainWindowAndWritesTheFile)
{
    main().setAutomaticUpdates(true);
    dialog().showDialog();
    // The dialog stays open to mend an account the settings file and the wire cannot hold.
    for (const auto& [box, text, told] :
         {std::tuple("passwordEdit", "пароль", "\"п\", \"а\", \"р\", \"о\", \"л\", \"ь\""),
          std::tuple("userNameEdit", "al:ice", "cannot hold \":\"")}) {
        type(box, text);
        saveAndClose();
        EXPECT_TRUE(fake.messageBoxes.shown().back().text.contains(QString::fromUtf8(told))) << box;
        EXPECT_EQ(settings.userName + settings.password, "alicepw");
        EXPECT_TRUE(isOpen());
    }
    // As pasted, with line ends and a tab that must not reach the settings file or a request.
    type("userNameEdit", "new\r\n");
    type("passwordEdit", "p\tw\n");
    control<QComboBox>("intervalBox")->setCurrentText(QStringLiteral("10"));
    control<QCheckBox>("minimizeAtStartCheck")->setCheckState(Qt::Checked);
    control<QCheckBox>("autoUpdateCheck")->setChecked(false);
    saveAndClose();

    EXPECT_EQ(fake.messageBoxes.shown().size(), 2u);
    EXPECT_EQ(settings.userName + settings.password, "newpw");
    EXPECT_EQ(settings.updateInterval, 15);
    EXPECT_EQ(labelText("userNameLabel"), "new");
    EXPECT_FALSE(isOpen());
    EXPECT_FALSE(mainControl<QAction>("enableUpdatesAction")->isChecked());
    Settings saved;
    ConfigFile::load(saved, fake.platform);
    EXPECT_EQ(std::tuple(saved.userName, saved.minimizeOnStartup, saved.autoUpdate), std::tuple("NEW", 1, 0));
}

TEST_F(PreferencesTest, ClosingAsksWhetherToSaveAndACloseDuringTheQuestionIsTheSameClose)
{
    for (const MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
        dialog().showDialog();
        type("userNameEdit", "bob");
        control<QCheckBox>("fixedAddressCheck")->setChecked(true);
        type("addressEdit", "192.0.2.7\n");
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&dialog(), &escape);
        dialog().close();
        ASSERT_EQ(fake.messageBoxes.shown().size(), answer == MsgAnswer::No ? 1u : 2u);
        EXPECT_EQ(fake.messageBoxes.shown().back().text, "Do you want to save these settings?");
        fake.messageBoxes.answer(answer);
        // The fixed address is kept either way; the account only when saved.
        EXPECT_EQ(settings.userName, answer == MsgAnswer::Yes ? "bob" : "alice");
        EXPECT_EQ(labelText("addressLabel"), "192.0.2.7");
        EXPECT_FALSE(isOpen());
    }
}

TEST_F(PreferencesTest, AnAddressLearnedWhileOpenGoesToTheAddressBoxNotTheStatusLine)
{
    dialog().showDialog();
    main().checkAddress();
    server.run(1000);
    EXPECT_EQ(control<QLineEdit>("addressEdit")->text(), "203.0.113.9");
    EXPECT_EQ(statusBar(), "Checking for new IP...");
    saveAndClose();
    server.run(3000);
    main().checkAddress();
    server.run(1000);
    EXPECT_EQ(statusBar(), " IP is current.");
}

TEST(PreferencesAtStartup, WithoutAnAccountTheDialogAsksForOneAndTheHostListWaitsForIt)
{
    FakeClient client;
    client.main().start();
    EXPECT_TRUE(client.windows.preferencesDialog().isVisible());
    client.fake.clock.clearTicks();
    client.fake.clock.advance(3000);
    EXPECT_EQ(client.fake.clock.firings(QStringLiteral("preferencesForward")), 1);
    EXPECT_EQ(client.fake.clock.firings(QStringLiteral("startList")), 0) << "no host list without an account";
    client.windows.preferencesDialog().findChild<QAction*>("saveAndCloseAction")->trigger();
    client.fake.clock.advance(1000);
    EXPECT_EQ(client.fake.clock.firings(QStringLiteral("startList")), 1) << "the list follows the new account";
}

} // namespace
