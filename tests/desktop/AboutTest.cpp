#include "desktop/about/AboutDialog.h"
#include "desktop/about/SystemInfo.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace {

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

TEST_F(AboutTest, SystemInfoStartsTheToolFoundElseShowsTheBox)
{
    const struct
    {
        const char* name;
        QString path;
        bool startable;
        QStringList started;
        bool box;
    } cases[] = {
        {"found", "/usr/bin/info-tool", true, {"/usr/bin/info-tool"}, false},
        {"none", "", true, {}, true},
        {"cannot start", "/usr/bin/gone", false, {"/usr/bin/gone"}, true},
    };
    for (const auto& c : cases) {
        FakeClient client;
        FakePlatform& f = client.fake;
        f.systemInfo.toolPath = c.path;
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
