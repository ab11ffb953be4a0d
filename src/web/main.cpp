#include "web/WebHelper.h"

#include "BuildConfig.h"
#include "core/platform/qt/Translations.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

// veltaro-web SERVER-NAME DOWNLOAD-FOLDER: started by the program while its web window shows a page.
int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("veltaro-web %s\n", BuildConfig::version);
        return 0;
    }
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 3) {
        std::fputs("usage: veltaro-web SERVER-NAME DOWNLOAD-FOLDER\n", stderr);
        return 2;
    }
    QApplication::setApplicationName(QStringLiteral("Veltaro"));
    // The page's context menu and the engine's own messages, in the user's language.
    installTranslations({QStringLiteral("qtbase"), QStringLiteral("qtwebengine")});
    WebHelper helper(args.at(2));
    if (!helper.connectTo(args.at(1))) {
        std::fputs("veltaro-web: the program is not listening\n", stderr);
        return 1;
    }
    return QApplication::exec();
}
