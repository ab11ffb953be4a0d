#include "desktop/about/AboutDialog.h"
#include "support/TestSupport.h"

#include <QPushButton>

TEST(About, SystemInfoStartsTheToolFoundElseShowsTheBox)
{
    const std::tuple<QString, bool, QStringList, bool> cases[] = {
        {"/usr/bin/info-tool", true, {"/usr/bin/info-tool"}, false},
        {"", true, {}, true},
        {"/usr/bin/gone", false, {"/usr/bin/gone"}, true},
    };
    for (const auto& [path, startable, started, box] : cases) {
        FakeClient client;
        client.fake.systemInfo.toolPath = path;
        client.fake.processes.startable = startable;
        client.windows.aboutDialog().findChild<QPushButton*>("systemInfoButton")->click();
        EXPECT_EQ(client.fake.processes.started, started) << path.toStdString();
        const auto& boxes = client.fake.messageBoxes.shown();
        ASSERT_EQ(boxes.size(), box ? 1u : 0u) << path.toStdString();
        if (box) {
            EXPECT_EQ(boxes.front().title + ": " + boxes.front().text,
                      "Veltaro: System Information Is Unavailable At This Time");
        }
    }
}
