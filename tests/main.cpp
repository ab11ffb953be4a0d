#include "support/TestLocale.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {
void setDefaultEnv(const char* name, const char* value)
{
    if (qEnvironmentVariableIsEmpty(name))
        qputenv(name, value);
}
} // namespace

// Widgets need an application object; the suite runs offscreen and, as root, without the web sandbox.
int main(int argc, char** argv)
{
    setDefaultEnv("QT_QPA_PLATFORM", "offscreen");
    setDefaultEnv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    setDefaultEnv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    useTestLocale();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
