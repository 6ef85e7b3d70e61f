#pragma once
// Qt's own texts in the program's language: the file and print dialogs, the
// standard buttons and the context menus of the edits come from the
// translations that are installed with Qt, not from the program's catalogue.

#include <QString>

// The name of Qt's translation file for a program language (1 German,
// 3 French, 7 Polish, 8 Chinese, 9 Russian), e.g. "qtbase_de"; empty for
// English, whose texts Qt has built in, and for any other number.
QString QtTranslationName(int language);

// Installs Qt's translation for the program language in place of the one
// this function installed before; English, or any language without a
// translation file, only removes it, so Qt's texts are English then. Returns
// whether a translation is now installed. Needs a running application.
bool InstallQtTranslations(int language);
