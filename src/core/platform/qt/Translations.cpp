#include "core/platform/qt/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

void install(const QString& catalogue, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale::system(), catalogue, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void installTranslations(const QStringList& qtCatalogues)
{
    install(QStringLiteral("veltaro"), QStringLiteral(":/i18n"));
    for (const QString& catalogue : qtCatalogues)
        install(catalogue, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
