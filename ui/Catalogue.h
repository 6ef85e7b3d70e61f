#pragma once
// The text catalogue: every user-visible text of the program by its index
// 1 … 532, in six languages. The texts are data files (ui/texts/<code>.tsv,
// "index<TAB>text", UTF-8) built into the program. A missing index gives the
// empty text.

#include <array>
#include <string>

// Language numbers: 1 German, 2 English, 3 French, 7 Polish, 8 Chinese,
// 9 Russian.
inline constexpr std::array<int, 6> OfferedLanguages = {1, 2, 3, 7, 8, 9};

// The language of the user interface (2 until the start-up chooses one).
int CurrentLanguage();
void SetCurrentLanguage(int language);

// The text of `index` in the current language, at most 255 characters (cut on
// a character boundary); empty when the catalogue has none.
std::string CatalogueText(int index);
// The same in a given language.
std::string CatalogueTextIn(int language, int index);
