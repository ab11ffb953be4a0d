#include "FuzzSupport.h"

#include "ui/Windows.h"
#include "ui/main/frmMain.h"

#include <QApplication>

FuzzClient::FuzzClient()
{
    installWindowFactories(state, fake.platform);
    // Built but not loaded: no start-up chain runs behind the fuzzer's back.
    state.frmMain.get();
}

void FuzzClient::settle()
{
    fake.clock.runPosted();
    while (fake.messageBoxes.answer()) {
    }
    fake.messageBoxes.clearShown();
}

FuzzClient& fuzzClient()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    (void)app;
    static FuzzClient* client = new FuzzClient;
    return *client;
}

QString latin1Text(const uint8_t* data, size_t size)
{
    return QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
}
