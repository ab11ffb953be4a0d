#include "support/TestLocale.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

// Tests without windows need an event loop's application object, never a screen.
int main(int argc, char** argv)
{
    useTestLocale();
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
