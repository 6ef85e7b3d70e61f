#pragma once
// The fonts of the program by language, without widgets: the datasheets are
// drawn by the windowed program and by the command line alike.

#include <QFont>
#include <QString>

// The font `family` ("Tahoma", "Arial") for texts of a language (1 German,
// 2 English, …). Where the system lacks the family, a metric-compatible or
// widely installed substitute is taken; Chinese texts get a CJK family
// first, so that every glyph is found.
QFont LanguageFont(const QString& family, int language);

// The print font of the datasheets: "Arial", 8 points, for a language.
QFont PrintFontFor(int language);
