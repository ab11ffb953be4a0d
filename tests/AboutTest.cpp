#include "desktop/about/AboutDialog.h"
#include "desktop/about/SystemInfo.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>

#include <optional>

namespace {

const std::uint32_t kMachine = Registry::HKEY_LOCAL_MACHINE_ROOT;

using AboutTest = ClientTest;

TEST_F(AboutTest, EnterAndEscapeCloseTheBox)
{
    for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
        state.aboutDialog->showDialog();
        ASSERT_TRUE(state.aboutDialog->isVisible());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(state.aboutDialog.get(), &press);
        EXPECT_FALSE(state.aboutDialog->isVisible()) << key;
    }
}

TEST_F(AboutTest, ValuesAreReadForReadingOnlyAndUnreadableOnesEmptyTheText)
{
    const QString key = QStringLiteral("SOFTWARE\\Test");
    const struct
    {
        const char* name;
        std::uint32_t type;
        QByteArray data;
        bool found;
        QString text;
    } cases[] = {
        // Text values lose only their own terminator.
        {"WithZero", Registry::REG_SZ_TYPE, QByteArray("C:\\Tool.exe\0", 12), true, "C:\\Tool.exe"},
        {"WithoutZero", Registry::REG_SZ_TYPE, "C:\\Tool.exe", true, "C:\\Tool.exe"},
        {"TwoZeros", Registry::REG_SZ_TYPE, QByteArray("ab\0\0", 4), true, QString::fromLatin1("ab\0", 3)},
        // Numbers are hex digits from the last byte to the first; other types leave the text alone.
        {"Number", Registry::REG_DWORD_TYPE, QByteArray("\x2f\x00\x01\x1a", 4), true, "&h1A102F"},
        {"Binary", 3, QByteArray("\x01\x02", 2), true, "as it was"},
        {"Huge", Registry::REG_SZ_TYPE, QByteArray(1025, 'x'), false, ""},
    };
    for (const auto& c : cases) {
        fake.registry.setValue(kMachine, key, c.name, c.type, c.data);
        QString text = QStringLiteral("as it was");
        EXPECT_EQ(readKeyValue(fake.platform, kMachine, key, c.name, text), c.found) << c.name;
        EXPECT_EQ(text, c.text) << c.name;
    }
    EXPECT_EQ(fake.registry.accessMasks, std::vector<std::uint32_t>(6, Registry::KEY_READ_ACCESS));

    // A missing value or key, or a key that will not open, empties the text; every key is closed.
    for (const auto& [keyName, name] :
         {std::pair(key, "Absent"), std::pair(QStringLiteral("SOFTWARE\\Nowhere"), "X")}) {
        QString text = QStringLiteral("stale");
        EXPECT_FALSE(readKeyValue(fake.platform, kMachine, keyName, name, text));
        EXPECT_EQ(text, "");
    }
    fake.registry.refuseOpenWith = 5;
    QString text;
    EXPECT_FALSE(readKeyValue(fake.platform, kMachine, key, "WithZero", text));
    EXPECT_EQ(fake.registry.openKeyCount(), 0);

    // A zero-length value is a fault.
    fake.registry.refuseOpenWith = 0;
    fake.registry.setValue(kMachine, key, "Empty", Registry::REG_SZ_TYPE, QByteArray());
    EXPECT_THROW(readKeyValue(fake.platform, kMachine, key, "Empty", text), SystemInfoFault);
    EXPECT_EQ(fake.registry.openKeyCount(), 0);
}

TEST_F(AboutTest, SystemInfoStartsThePathValueOrTheToolInTheMsinfoFolderElseShowsTheBox)
{
    const QString tool = QStringLiteral("C:\\Shared\\MSInfo\\MSINFO32.EXE");
    const struct
    {
        const char* name;
        std::optional<QByteArray> path;
        bool folder, toolThere, startable;
        QStringList started;
        bool box;
    } cases[] = {
        // The path is started without looking for the file.
        {"path", QByteArray("C:\\Info\\tool.exe\0", 17), false, false, true, {"C:\\Info\\tool.exe"}, false},
        {"folder", std::nullopt, true, true, true, {tool}, false},
        {"folder without the tool", std::nullopt, true, false, true, {}, true},
        {"path that cannot start", QByteArray("C:\\Gone\\tool.exe"), false, false, false, {"C:\\Gone\\tool.exe"}, true},
        // A zero-length path does not fall back to the folder.
        {"zero-length path", QByteArray(), true, true, true, {}, true},
    };
    for (const auto& c : cases) {
        FakeClient client;
        FakePlatform& f = client.fake;
        if (c.path)
            f.registry.setValue(kMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", Registry::REG_SZ_TYPE,
                                *c.path);
        if (c.folder)
            f.registry.setValue(kMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", Registry::REG_SZ_TYPE,
                                "C:\\Shared\\MSInfo");
        if (c.toolThere)
            f.files.contents.insert(tool, {});
        f.processes.startable = c.startable;
        client.state.aboutDialog->findChild<QPushButton*>("systemInfoButton")->click();

        EXPECT_EQ(f.processes.started, c.started) << c.name;
        const auto& shown = f.messageBoxes.shown();
        ASSERT_EQ(shown.size(), c.box ? 1u : 0u) << c.name;
        if (c.box) {
            EXPECT_EQ(shown.front().title + ": " + shown.front().text,
                      "Veltaro: System Information Is Unavailable At This Time");
            EXPECT_TRUE(shown.front().buttons == MsgButtons::Ok && shown.front().icon == MsgIcon::None);
        }
    }
}

} // namespace
