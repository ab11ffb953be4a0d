#include "core/platform/qt/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

bool install(const QString& catalogue, const QString& folder, const QLocale& language)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(language, catalogue, QStringLiteral("_"), folder))
        return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
}

} // namespace

void installTranslations(const QStringList& qtCatalogues)
{
    // The first of the user's languages that the program speaks; one that prefers English to a
    // language with a catalogue ("en_GB:de") gets the texts as written.
    for (const QString& name : QLocale::system().uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            return;
        if (install(QStringLiteral("veltaro"), QStringLiteral(":/i18n"), language)) {
            for (const QString& catalogue : qtCatalogues)
                install(catalogue, QLibraryInfo::path(QLibraryInfo::TranslationsPath), language);
            return;
        }
    }
}
