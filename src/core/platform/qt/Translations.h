#pragma once

#include <QStringList>

// Installs the program's own catalogue for the system's language and the named ones of Qt's
// ("qtbase" for its standard buttons and dialogs). English needs none: the texts are written in it.
void installTranslations(const QStringList& qtCatalogues = {});
