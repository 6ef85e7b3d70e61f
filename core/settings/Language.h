#pragma once
// The user interface language: its number, the choice at start-up from the
// settings file and the user's locale, and its storage.

#include <optional>
#include <string>
#include <string_view>

#include "core/settings/IniFile.h"
#include "core/text/CoreMessage.h"

namespace LanguageNumber {
inline constexpr int German = 1;
inline constexpr int English = 2;
inline constexpr int French = 3;
inline constexpr int Polish = 7;
inline constexpr int Chinese = 8;
inline constexpr int Russian = 9;
}  // namespace LanguageNumber

// True for the numbers of the offered languages {1, 2, 3, 7, 8, 9}.
bool IsOfferedLanguage(int number);

// The language of a POSIX locale name such as "de_DE.UTF-8": its language
// code (the letters before "_", "." or "@", any case) de → 1, fr → 3,
// pl → 7, zh → 8, ru → 9; anything else, "C" and "" included → 2.
int LanguageOfLocaleName(std::string_view localeName);

// The language of the user's locale: the first non-empty of LC_ALL,
// LC_MESSAGES and LANG, as the C library picks the message language.
int SystemLanguage();

// The language at start-up: the integer under section/key (default 0), its
// low byte; a value that is not an offered language is replaced by
// systemLanguage, and that, if not offered either, by English.
int ReadLanguage(const TIniDatei& file, const std::string& section, const std::string& key, int systemLanguage);

// Stores the number under "Global"/"Language" and saves the file at once.
// Returns the message when saving failed.
[[nodiscard]] std::optional<CoreMessage> WriteLanguage(TIniDatei& file, int number);
