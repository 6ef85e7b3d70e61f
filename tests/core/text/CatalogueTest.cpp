// The text catalogue: reading a language file, the cut to 255 characters, the
// lookup, the current language, and the built-in files against English.

#include <climits>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/text/Catalogue.h"
#include "core/text/TextId.h"

namespace {

// The characters of a UTF-8 text, one string each.
std::vector<std::string> Characters(const std::string& text)
{
    std::vector<std::string> result;
    for (unsigned char byte : text)
        if ((byte & 0xC0) == 0x80 && !result.empty())
            result.back() += static_cast<char>(byte);
        else
            result.emplace_back(1, static_cast<char>(byte));
    return result;
}

// The printf conversions of a text in order ("%%" is a percent sign).
std::vector<std::string> Placeholders(const std::string& text)
{
    std::vector<std::string> result;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '%')
            continue;
        std::size_t end = i + 1;
        while (end < text.size() && std::string("-+ #0123456789.").find(text[end]) != std::string::npos)
            ++end;
        if (end < text.size() && text[end] != '%')
            result.push_back(text.substr(i, end - i + 1));
        i = end;
    }
    return result;
}

// The accelerator marks of a text ("&&" is an ampersand).
int Accelerators(const std::string& text)
{
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '&' && !(i + 1 < text.size() && text[++i] == '&'))
            ++count;
    return count;
}

// The names and numbers of the TextId enumeration, read from its header (one
// "Name = number," per line), so that a name added there is checked without
// a list of its own here.
std::vector<std::pair<std::string, int>> TextIdEntries()
{
    std::ifstream header(WRG_TEXT_ID_HEADER);
    const std::regex entry(R"(^\s+(\w+) = (\d+),)");
    std::vector<std::pair<std::string, int>> entries;
    std::smatch match;
    for (std::string line; std::getline(header, line);)
        if (std::regex_search(line, match, entry))
            entries.emplace_back(match[1], std::stoi(match[2]));
    return entries;
}

}  // namespace

TEST(CatalogueFile, ReadsTextsExactlyAndSkipsComments)
{
    const CatalogueFile file = CatalogueFile::Read(
        "\xEF\xBB\xBF# comment\r\n\r\n  \t \n"
        "3\tSupply air\r\n"
        "12\t two\tTABs, # no comment \n"
        "700\tlast line without line feed");
    EXPECT_TRUE(file.Problems().empty());
    EXPECT_EQ(file.Count(), 3);
    EXPECT_EQ(file.Text(3), "Supply air");
    EXPECT_EQ(file.Text(12), " two\tTABs, # no comment ");
    EXPECT_EQ(file.Text(700), "last line without line feed");
    for (int index : {0, 4, 701, -1, INT_MIN, INT_MAX})
        EXPECT_EQ(file.Text(index), "") << index;
}

TEST(CatalogueFile, DecodesEscapes)
{
    const CatalogueFile file = CatalogueFile::Read(
        "1\ta\\tb\\nc\\\\d\\s\n2\t\\\\n stays\n3\tC:\\path\n4\tends in \\\n");
    EXPECT_EQ(file.Text(1), "a\tb\nc\\d ");
    EXPECT_EQ(file.Text(2), "\\n stays");
    EXPECT_EQ(file.Text(3), "C:\\path");
    EXPECT_EQ(file.Text(4), "ends in \\");
    ASSERT_EQ(file.Problems().size(), 2u);
    EXPECT_EQ(file.Problems()[0].line, 3);
    EXPECT_EQ(file.Problems()[1].line, 4);
}

TEST(CatalogueFile, SkipsMalformedLinesAndNamesThem)
{
    const std::vector<std::string> bad = {"5 no tab",
                                          "\tno index",
                                          "12a\ttext",
                                          " 12\ttext",
                                          "-3\ttext",
                                          "0\ttext",
                                          std::to_string(LastCatalogueIndex + 1) + "\ttext",
                                          "99999999999\ttext",
                                          "7\t",
                                          "8\t\xC3",
                                          "9\t\xC0\xAF",
                                          "10\t\xED\xA0\x80",
                                          "13\t\xF4\x90\x80\x80",
                                          "20\tfirst",
                                          "20\tsecond",
                                          "15\tout of order"};
    std::string content = "2\tgood\n";
    for (const std::string& line : bad)
        content += line + "\n";
    const CatalogueFile file = CatalogueFile::Read(content);
    EXPECT_EQ(file.Count(), 3);
    EXPECT_EQ(file.Text(20), "first");  // the first of twins
    EXPECT_EQ(file.Text(15), "out of order");
    ASSERT_EQ(file.Problems().size(), bad.size() - 1);
    for (std::size_t i = 0; i < file.Problems().size(); ++i)
        EXPECT_EQ(file.Problems()[i].line, static_cast<int>(i < 13 ? i + 2 : i + 3)) << file.Problems()[i].what;
}

TEST(CatalogueCut, KeepsWholeCharactersOfEveryWidth)
{
    // Broken bytes count as characters.
    EXPECT_EQ(CutToCharacters("\x80\x80\x80", 2), "\x80\x80");
    EXPECT_EQ(CutToCharacters("ab\xE4\xB8", 3), "ab\xE4\xB8");
    EXPECT_EQ(CutToCharacters("\xE4"
                              "a",
                              1),
              "\xE4");
    const std::string mixed = "a\xC3\xA4\xE4\xB8\xAD\xF0\x9F\x98\x80z\xD0\xBF";
    const std::vector<std::string> characters = Characters(mixed);
    std::string expected;
    for (std::size_t n = 0; n <= characters.size() + 1; ++n) {
        EXPECT_EQ(CutToCharacters(mixed, n), expected) << n;
        if (n < characters.size())
            expected += characters[n];
    }

    std::string german;
    for (int i = 0; i < 300; ++i)
        german += "\xC3\xA4";
    const CatalogueFile file = CatalogueFile::Read("1\t" + german + "\n3\tshort\n");
    EXPECT_EQ(file.LimitedText(1), german.substr(0, 2 * CatalogueTextLimit));
    EXPECT_EQ(file.LimitedText(3), "short");
    EXPECT_EQ(file.LimitedText(4), "");
}

TEST(CatalogueLookup, BuiltInTextsAndGaps)
{
    EXPECT_EQ(CatalogueTextIn(2, TextId::Error), "Error");
    EXPECT_EQ(CatalogueTextIn(2, TextId::FileNotFound), "File : %s  not found");
    EXPECT_EQ(CatalogueTextIn(2, TextId::CubicMetresPerHour), "m\xC2\xB3/h");
    EXPECT_EQ(CatalogueTextIn(1, TextId::Calculate), "&Neu Berechnen");
    EXPECT_EQ(CatalogueTextIn(2, TextId{133}), "");
    EXPECT_EQ(CatalogueTextIn(8, TextId{133}), "");
    EXPECT_NE(CatalogueTextIn(1, TextId{133}), "");
    for (int index : {0, -1, 415, 533, INT_MIN, INT_MAX})
        EXPECT_EQ(CatalogueTextIn(2, TextId{index}), "") << index;
    for (int language : {0, 4, 10, -1, INT_MIN})
        EXPECT_EQ(CatalogueTextIn(language, TextId::Error), "") << language;

    const int before = CurrentLanguage();
    SetCurrentLanguage(1);
    EXPECT_EQ(CatalogueText(TextId::Error), "Fehler");
    SetCurrentLanguage(2);
    EXPECT_EQ(CatalogueText(TextId::Error), "Error");
    SetCurrentLanguage(4);
    EXPECT_EQ(CatalogueText(TextId::Error), "");
    SetCurrentLanguage(before);
}

// Each offered language against English: read cleanly, complete, within the
// limit, with the same placeholders, accelerators and leading blanks.
class CatalogueTranslation : public ::testing::TestWithParam<int> {};

TEST_P(CatalogueTranslation, MatchesEnglish)
{
    const int language = GetParam();
    ASSERT_EQ(Placeholders("%g, %5.1f, 100%% %s"), (std::vector<std::string>{"%g", "%5.1f", "%s"}));
    ASSERT_EQ(Accelerators("&Neu && me&hr"), 2);
    for (const CatalogueFile::Problem& problem : CatalogueFileProblems(language))
        ADD_FAILURE() << "line " << problem.line << ": " << problem.what;
    for (int index = 1; index <= LastCatalogueIndex; ++index) {
        SCOPED_TRACE(testing::Message() << "index " << index);
        const std::string english = CatalogueTextIn(2, TextId{index});
        const std::string text = CatalogueTextIn(language, TextId{index});
        EXPECT_LE(Characters(text).size(), CatalogueTextLimit);
        if (english.empty() || text.empty()) {
            EXPECT_TRUE(english.empty() == text.empty() || (index == 133 && english.empty())) << text;
            continue;
        }
        EXPECT_EQ(Placeholders(text), Placeholders(english)) << text;
        EXPECT_EQ(Accelerators(text), Accelerators(english)) << text;
        EXPECT_EQ(text.front() == ' ', english.front() == ' ') << text;
    }
}

// Every named text exists in every language; no two names share a number.
TEST_P(CatalogueTranslation, HasEveryNamedText)
{
    const int language = GetParam();
    const auto entries = TextIdEntries();
    ASSERT_GT(entries.size(), 100u);
    std::set<int> numbers;
    for (const auto& [name, number] : entries) {
        EXPECT_TRUE(numbers.insert(number).second) << name << " repeats " << number;
        if (number == static_cast<int>(TextId::None))
            continue;
        EXPECT_LE(number, LastCatalogueIndex) << name;
        EXPECT_NE(CatalogueTextIn(language, static_cast<TextId>(number)), "") << name << " = " << number;
    }
    EXPECT_EQ(CatalogueTextIn(language, MonthName(12)), CatalogueTextIn(language, TextId::December));
}

INSTANTIATE_TEST_SUITE_P(Catalogue, CatalogueTranslation, ::testing::ValuesIn(OfferedLanguages));
