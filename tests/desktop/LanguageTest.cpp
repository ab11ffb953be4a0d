// The program's texts follow the language of the system's locale, as the program sets it up at start.
#include "support/TestLocale.h"
#include "support/TestSupport.h"

#include <QMenu>
#include <QMenuBar>
#include <QProcess>

namespace {

// Every menu of the main window and the tray, a title line and then its entries.
QStringList menuTexts(MainWindow& window)
{
    QStringList lines;
    QList<QMenu*> menus;
    for (QAction* title : window.menuBar()->actions())
        menus.append(title->menu());
    menus.append(window.findChild<QMenu*>(QStringLiteral("trayMenu")));
    for (QMenu* menu : menus) {
        lines.append(menu->title());
        for (QAction* entry : menu->actions())
            if (!entry->isSeparator())
                lines.append(QStringLiteral("  ") + entry->text());
    }
    return lines;
}

// This test program started again under the locale `lang` and the list of languages `languages`,
// printing the menu texts.
QStringList menuTextsUnder(const QString& lang, const QString& languages = {})
{
    QProcess process;
    process.setProcessEnvironment(environmentInLocale(lang, languages));
    process.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--gtest_also_run_disabled_tests"),
                   QStringLiteral("--gtest_filter=Language.DISABLED_PrintsMenuTexts")});
    process.waitForFinished(30000);
    QStringList lines;
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("menu: ")))
            lines.append(line.mid(6));
    return lines;
}

} // namespace

// Run by the test below in a process of its own, whose locale comes from its environment.
TEST(Language, DISABLED_PrintsMenuTexts)
{
    setUpDesktopApplication();
    FakeClient client;
    for (const QString& line : menuTexts(client.main()))
        std::printf("menu: %s\n", qPrintable(line));
}

TEST(Language, MenusFollowTheLocale)
{
    const QStringList english = menuTextsUnder(QStringLiteral("C"));
    EXPECT_EQ(english.join(QLatin1Char('|')),
              QStringLiteral("&File|  Save Configuration|  E&xit|Commands|  Check for new IP|  Refresh List|"
                             "  Update Groups/Hosts|  Modify Hosts/Groups|  Update History...|&Settings|"
                             "  &Program Settings|  Enable Auto Updates|  Disable Auto Updates|  Start at Login|"
                             "  Notifications|&Help|  Online Support|  Check for product update...|  About Lumeris...|"
                             "mnuPopup|  &Show Veltaro|  &Program Settings|  Enable Auto Updates|"
                             "  Disable Auto Updates|  Check &News|  Manage &Hosts|  Update &Groups/Hosts|  E&xit"));
    const QStringList german = menuTextsUnder(QStringLiteral("de_DE.UTF-8"));
    ASSERT_EQ(german.size(), 28);
    EXPECT_EQ(german.mid(0, 5),
              QStringList({"&Datei", "  Konfiguration speichern", "  &Beenden", "Befehle", "  Auf neue IP prüfen"}));
    EXPECT_EQ(german[19], "mnuPopup") << "the tray menu's inner name is no text of the program";
    EXPECT_EQ(german[20], "  Veltaro &anzeigen");
    // English first, German only as the fallback.
    EXPECT_EQ(menuTextsUnder(QStringLiteral("en_GB.UTF-8"), QStringLiteral("en_GB:de")), english);
}
