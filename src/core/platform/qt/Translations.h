#pragma once

// Installs the program's own catalogue for the system's language and, with `withQtTexts`, Qt's own
// (the texts of its standard buttons and dialogs). English needs neither: the texts are written in it.
void installTranslations(bool withQtTexts);
