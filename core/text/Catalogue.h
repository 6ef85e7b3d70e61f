#pragma once
// The text catalogue: every user-visible text of the program by its index
// 1 … 900, in six languages. The texts are data files (core/text/texts/<code>.tsv,
// "index<TAB>text", UTF-8) built into the program. A missing index gives the
// empty text.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/TextId.h"

// Language numbers: 1 German, 2 English, 3 French, 7 Polish, 8 Chinese,
// 9 Russian.
inline constexpr std::array<int, 6> OfferedLanguages = {1, 2, 3, 7, 8, 9};

// The highest catalogue index.
inline constexpr int LastCatalogueIndex = 900;
// The longest text a lookup returns, in characters.
inline constexpr std::size_t CatalogueTextLimit = 255;

// The language of the user interface (2 until the start-up chooses one).
int CurrentLanguage();
void SetCurrentLanguage(int language);

// The text `id` in the current language, at most 255 characters (cut on a
// character boundary); empty when the catalogue has none.
std::string CatalogueText(TextId id);
// The same in a given language.
std::string CatalogueTextIn(int language, TextId id);

// `text` cut to at most `maxCharacters` characters (UTF-8 code points). A
// character is never split; a byte that neither starts nor continues a
// well-formed character counts as one character of its own.
std::string CutToCharacters(std::string text, std::size_t maxCharacters);

// One language file read into a table by index. Reading never fails: a line
// that cannot be used is skipped and listed among the problems.
class CatalogueFile {
public:
    struct Problem {
        int line;          // 1-based line number in the file
        std::string what;  // what is wrong with it
    };

    // Reads the content of a file: "index<TAB>text" lines, "#" comment lines
    // and empty lines; escapes \t, \n, \\ and \s (a blank) in the text. A
    // UTF-8 byte order mark and CR before the line feed are ignored.
    static CatalogueFile Read(std::string_view content);

    // The text of an index; empty for an index the file does not have.
    std::string_view Text(int index) const;
    // The same as the catalogue hands it out: cut to CatalogueTextLimit
    // characters.
    std::string LimitedText(int index) const;
    // The number of indexes with a text.
    int Count() const { return count_; }
    const std::vector<Problem>& Problems() const { return problems_; }

private:
    struct Entry {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };

    void ReadLine(std::string_view line, int lineNumber, int& previousIndex);
    void AddProblem(int lineNumber, std::string what);

    std::string texts_;  // every text, one after the other
    std::array<Entry, LastCatalogueIndex + 1> entries_{};
    std::vector<Problem> problems_;
    int count_ = 0;
};

// The problems of the built-in file of a language; none for a language that
// has no file.
std::vector<CatalogueFile::Problem> CatalogueFileProblems(int language);
