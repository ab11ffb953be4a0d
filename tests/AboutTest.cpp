#include "TestSupport.h"
#include "ui/about/SystemInfo.h"
#include "ui/about/frmAbout.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

const std::uint32_t kMachine = Registry::HKEY_LOCAL_MACHINE_ROOT;
const QString kToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kFolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

class AboutTest : public ClientTest
{
protected:
    bool read(const QString& name, QString& text)
    {
        return GetKeyValue(fake.platform, kMachine, QStringLiteral("SOFTWARE\\Test"), name, text);
    }

    void setValue(const QString& name, std::uint32_t type, const QByteArray& data)
    {
        fake.registry.setValue(kMachine, QStringLiteral("SOFTWARE\\Test"), name, type, data);
    }

    bool unavailableShown()
    {
        const auto& shown = fake.messageBoxes.shown();
        return shown.size() == 1 && shown.front().text == kUnavailable && shown.front().title == "Veltaro" &&
               shown.front().buttons == MsgButtons::Ok && shown.front().icon == MsgIcon::None;
    }
};

TEST_F(AboutTest, LoadFillsEveryLabel)
{
    state.frmAbout->showDialog();
    frmAbout& box = *state.frmAbout;

    EXPECT_EQ(box.windowTitle(), "About Quorvin Tech's Lumeris Client");
    EXPECT_EQ(box.findChild<QLabel*>("lblTitle")->text(), "Veltaro");
    EXPECT_EQ(box.findChild<QLabel*>("lblVersion")->text(), "Version 2.1.3");
    EXPECT_EQ(box.findChild<QLabel*>("lblDescription")->text(),
              "  This software allows dynamic ip users to have a domain name pointed to their computer.");
    const QStringList notice = box.findChild<QLabel*>("lblDisclaimer")->text().split("\r\n");
    ASSERT_EQ(notice.size(), 2);
    EXPECT_FALSE(notice[0].isEmpty());
    EXPECT_TRUE(notice[1].isEmpty());
}

TEST_F(AboutTest, EnterAndEscapeCloseTheBox)
{
    for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
        state.frmAbout->showDialog();
        ASSERT_TRUE(state.frmAbout->isVisible());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(state.frmAbout.get(), &press);
        EXPECT_FALSE(state.frmAbout->isVisible()) << key;
    }
}

TEST_F(AboutTest, TextValuesLoseOnlyTheirOwnTerminator)
{
    setValue("WithZero", Registry::REG_SZ_TYPE, QByteArray("C:\\Tool.exe\0", 12));
    setValue("WithoutZero", Registry::REG_SZ_TYPE, QByteArray("C:\\Tool.exe"));
    setValue("TwoZeros", Registry::REG_SZ_TYPE, QByteArray("ab\0\0", 4));
    QString text;

    EXPECT_TRUE(read("WithZero", text));
    EXPECT_EQ(text, "C:\\Tool.exe");
    EXPECT_TRUE(read("WithoutZero", text));
    EXPECT_EQ(text, "C:\\Tool.exe");
    EXPECT_TRUE(read("TwoZeros", text));
    EXPECT_EQ(text, QString::fromLatin1("ab\0", 3));
    EXPECT_EQ(fake.registry.openKeyCount(), 0);
    EXPECT_EQ(fake.registry.accessMasks, std::vector<std::uint32_t>(3, Registry::KEY_READ_ACCESS));
}

TEST_F(AboutTest, NumbersAreHexDigitsFromTheLastByteToTheFirst)
{
    setValue("Number", Registry::REG_DWORD_TYPE, QByteArray("\x2f\x00\x01\x1a", 4));
    setValue("Binary", 3, QByteArray("\x01\x02", 2));
    QString text;

    EXPECT_TRUE(read("Number", text));
    EXPECT_EQ(text, "&h1A102F");
    text = QStringLiteral("as it was");
    EXPECT_TRUE(read("Binary", text));
    EXPECT_EQ(text, "as it was");
}

TEST_F(AboutTest, MissingOrUnreadableValuesEmptyTheText)
{
    setValue("Huge", Registry::REG_SZ_TYPE, QByteArray(1025, 'x'));
    QString text = QStringLiteral("stale");

    EXPECT_FALSE(read("Absent", text));
    EXPECT_EQ(text, "");
    text = QStringLiteral("stale");
    EXPECT_FALSE(read("Huge", text));
    EXPECT_EQ(text, "");
    text = QStringLiteral("stale");
    EXPECT_FALSE(GetKeyValue(fake.platform, kMachine, QStringLiteral("SOFTWARE\\Nowhere"), "X", text));
    EXPECT_EQ(text, "");

    fake.registry.refuseOpenWith = 5;
    setValue("Present", Registry::REG_SZ_TYPE, "x");
    EXPECT_FALSE(read("Present", text));
    EXPECT_EQ(fake.registry.openKeyCount(), 0);
}

TEST_F(AboutTest, AZeroLengthValueIsAFault)
{
    setValue("Empty", Registry::REG_SZ_TYPE, QByteArray());
    QString text;
    EXPECT_THROW(read("Empty", text), SysInfoFault);
    EXPECT_EQ(fake.registry.openKeyCount(), 0);
}

TEST_F(AboutTest, ThePathValueIsStartedWithoutLookingForTheFile)
{
    fake.registry.setValue(kMachine, kToolKey, "PATH", Registry::REG_SZ_TYPE, QByteArray("C:\\Info\\tool.exe\0", 17));
    StartSysInfo(fake.platform);

    EXPECT_EQ(fake.processes.started, QStringList{"C:\\Info\\tool.exe"});
    EXPECT_TRUE(fake.messageBoxes.shown().empty());
}

TEST_F(AboutTest, WithoutAPathTheToolIsTakenFromTheMsinfoFolder)
{
    fake.registry.setValue(kMachine, kFolderKey, "MSINFO", Registry::REG_SZ_TYPE, "C:\\Shared\\MSInfo");
    fake.files.contents.insert("C:\\Shared\\MSInfo\\MSINFO32.EXE", {});
    StartSysInfo(fake.platform);

    EXPECT_EQ(fake.processes.started, QStringList{"C:\\Shared\\MSInfo\\MSINFO32.EXE"});
    EXPECT_TRUE(fake.messageBoxes.shown().empty());
}

TEST_F(AboutTest, AFolderWithoutTheToolShowsTheBox)
{
    fake.registry.setValue(kMachine, kFolderKey, "MSINFO", Registry::REG_SZ_TYPE, "C:\\Shared\\MSInfo");
    state.frmAbout->findChild<QPushButton*>("cmdSysInfo")->click();

    EXPECT_TRUE(fake.processes.started.isEmpty());
    EXPECT_TRUE(unavailableShown());
}

TEST_F(AboutTest, APathThatCannotBeStartedShowsTheBox)
{
    fake.registry.setValue(kMachine, kToolKey, "PATH", Registry::REG_SZ_TYPE, "C:\\Gone\\tool.exe");
    fake.processes.startable = false;
    StartSysInfo(fake.platform);

    EXPECT_TRUE(unavailableShown());
}

TEST_F(AboutTest, AZeroLengthPathShowsTheBoxWithoutTryingTheFolder)
{
    fake.registry.setValue(kMachine, kToolKey, "PATH", Registry::REG_SZ_TYPE, QByteArray());
    fake.registry.setValue(kMachine, kFolderKey, "MSINFO", Registry::REG_SZ_TYPE, "C:\\Shared\\MSInfo");
    fake.files.contents.insert("C:\\Shared\\MSInfo\\MSINFO32.EXE", {});
    StartSysInfo(fake.platform);

    EXPECT_TRUE(fake.processes.started.isEmpty());
    EXPECT_TRUE(unavailableShown());
}

} // namespace
