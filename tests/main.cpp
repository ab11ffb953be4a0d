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
    // The programs started here speak today's English whatever the machine's language, unless a
    // test starts this one again in another.
    qputenv("LANG", qgetenv("VELTARO_TEST_LANG").isEmpty() ? QByteArray("C") : qgetenv("VELTARO_TEST_LANG"));
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        qunsetenv(name);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
