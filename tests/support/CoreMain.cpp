#include <QCoreApplication>
#include <gtest/gtest.h>

// Tests without windows need an event loop's application object, never a screen.
int main(int argc, char** argv)
{
    // The programs started here speak today's English whatever the machine's language; a test of
    // another language sets its own.
    qputenv("LANG", "C");
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        qunsetenv(name);
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
