#include "desktop/about/AboutDialog.h"
#include "support/TestSupport.h"

#include <QKeyEvent>
#include <QPushButton>

TEST(About, EnterAndEscapeCloseTheBox)
{
    FakeClient client;
    AboutDialog& about = client.windows.aboutDialog();
    for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
        about.showDialog();
        ASSERT_TRUE(about.isVisible());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(&about, &press);
        EXPECT_FALSE(about.isVisible()) << key;
    }
}

TEST(About, SystemInfoStartsTheToolFoundElseShowsTheBox)
{
    const std::tuple<QString, bool, QStringList, bool> cases[] = {
        {"/usr/bin/info-tool", true, {"/usr/bin/info-tool"}, false},
        {"", true, {}, true},
        {"/usr/bin/gone", false, {"/usr/bin/gone"}, true},
    };
    for (const auto& [path, startable, started, box] : cases) {
        FakeClient client;
        FakePlatform& f = client.fake;
        f.systemInfo.toolPath = path;
        f.processes.startable = startable;
        client.windows.aboutDialog().findChild<QPushButton*>("systemInfoButton")->click();

        EXPECT_EQ(f.processes.started, started) << path.toStdString();
        ASSERT_EQ(f.messageBoxes.shown().size(), box ? 1u : 0u) << path.toStdString();
        if (box) {
            EXPECT_EQ(f.messageBoxes.shown().front().title + ": " + f.messageBoxes.shown().front().text,
                      "Veltaro: System Information Is Unavailable At This Time");
        }
    }
}
