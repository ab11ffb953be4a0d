#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtShutdown.h"
#include "state/ClientState.h"
#include "ui/Windows.h"
#include "ui/main/frmMain.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    initResources();
    QApplication::setApplicationName(QStringLiteral("Veltaro"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/veltaro.png")));
    // The tray keeps the program alive while the main window is hidden.
    QApplication::setQuitOnLastWindowClosed(false);

    QtPlatform qt;
    ClientState state;
    installWindowFactories(state, qt.platform);
    installShutdownHandlers([&state] { state.frmMain->exitWithoutAsking(); });
    state.frmMain->Form_Load();
    return QApplication::exec();
}
