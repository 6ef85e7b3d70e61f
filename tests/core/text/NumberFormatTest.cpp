// The float formats, the parser of typed numbers and the range message
// filling, with English and German separators.

#include "core/text/NumberFormat.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr NumberSeparators English{'.', ','};
constexpr NumberSeparators German{',', '.'};
constexpr NumberSeparators Ungrouped{'.', '\0'};
constexpr NumberSeparators Blank{',', ' '};
constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

struct FormatCase {
    double value;
    FloatFormat format;
    int precision, digits;
    NumberSeparators separators;
    const char *currency, *expected;
};

// clang-format off
const FormatCase formatCases[] = {
    // General: shortest of fixed and scientific, no trailing zeros.
    {1013.0,        FloatFormat::General,  10, 0, English, "", "1013"},
    {0.0001,        FloatFormat::General,  15, 0, English, "", "0.0001"},
    {0.00001,       FloatFormat::General,  15, 0, English, "", "1E-5"},
    {0.00001,       FloatFormat::General,  15, 2, English, "", "1E-05"},
    {1.5e20,        FloatFormat::General,  15, 9, English, "", "1.5E0020"},
    {-0.0,          FloatFormat::General,  10, 2, English, "", "0"},
    {99999999995.0, FloatFormat::General,  10, 0, English, "", "1E11"},
    {2.0 / 3.0,     FloatFormat::General,  5,  0, English, "", "0.66667"},
    {0.1 + 0.2,     FloatFormat::General,  15, 0, English, "", "0.3"},
    {1.5e-6,        FloatFormat::General,  15, 0, German,  "", "1,5E-6"},
    // Exponent: precision digits, sign and padded exponent.
    {1234.5,        FloatFormat::Exponent, 15, 3, English, "", "1.23450000000000E+003"},
    {-0.000123,     FloatFormat::Exponent, 3,  0, English, "", "-1.23E-4"},
    {9.9999,        FloatFormat::Exponent, 3,  2, English, "", "1.00E+01"},
    {1.0,           FloatFormat::Exponent, 2,  5, English, "", "1.0E+0000"},
    {1234.5,        FloatFormat::Exponent, 4,  2, German,  "", "1,235E+03"},
    // Fixed: digits decimals, half away from zero.
    {0.0,           FloatFormat::Fixed,    10, 2, English, "", "0.00"},
    {-2.5,          FloatFormat::Fixed,    10, 0, English, "", "-3"},
    {1.005,         FloatFormat::Fixed,    15, 2, English, "", "1.00"},
    {-0.001,        FloatFormat::Fixed,    10, 2, English, "", "0.00"},
    {999.999,       FloatFormat::Fixed,    10, 2, English, "", "1000.00"},
    {123.456,       FloatFormat::Fixed,    4,  2, English, "", "123.50"},
    {1e20,          FloatFormat::Fixed,    15, 2, English, "", "1E20"},
    {-1234.5,       FloatFormat::Fixed,    10, 1, German,  "", "-1234,5"},
    // Number: fixed with thousands separators.
    {1234567.891,   FloatFormat::Number,   15, 2, English, "", "1,234,567.89"},
    {-1234.5,       FloatFormat::Number,   10, 2, English, "", "-1,234.50"},
    {999.0,         FloatFormat::Number,   10, 0, English, "", "999"},
    {1234567.891,   FloatFormat::Number,   15, 2, German,  "", "1.234.567,89"},
    {1234567.891,   FloatFormat::Number,   15, 2, Ungrouped, "", "1234567.89"},
    {1234567.0,     FloatFormat::Number,   15, 0, Blank,   "", "1 234 567"},
    // Currency: number, blank, currency text.
    {-1234.0,       FloatFormat::Currency, 10, 2, English, "EUR", "-1,234.00 EUR"},
    {1234.0,        FloatFormat::Currency, 10, 2, English, "",    "1,234.00"},
    {1234.0,        FloatFormat::Currency, 10, 2, German,  "\xE2\x82\xAC", "1.234,00 \xE2\x82\xAC"},
    // No numbers.
    {NaN,           FloatFormat::Fixed,    10, 2, English, "", "NAN"},
    {-Inf,          FloatFormat::Number,   10, 2, English, "", "-INF"},
};
// clang-format on

TEST(NumberFormat, FloatFormatsTable)
{
    for (const FormatCase& c : formatCases)
        EXPECT_EQ(FormatFloat(c.value, c.format, c.precision, c.digits, c.separators, c.currency), c.expected);
}

struct ParseCase {
    const char* text;
    NumberSeparators separators;
    const char* currency;
    std::optional<double> expected;
};

// clang-format off
const ParseCase parseCases[] = {
    {"-1,234.5",              English, "", -1234.5},
    {"  +12.5 ",              English, "", 12.5},
    {".5",                    English, "", 0.5},
    {"1.23450000000000E+003", English, "", 1234.5},
    {"1e-5",                  English, "", 1e-5},
    {"-1,234.00EUR",          English, "EUR", -1234.0},
    {"1.234,5",               German,  "", 1234.5},
    {"1,5E3",                 German,  "", 1500.0},
    {"1 234,5",               Blank,   "", 1234.5},
    // Pasted from a table cell: line breaks around the number.
    {"1234\n",                English, "", 1234.0},
    {"\r\n 12,5\t\r\n",         German,  "", 12.5},
    {"\n-1,234.00 EUR\r\n",     English, "EUR", -1234.0},

    {"",                      English, "", std::nullopt},
    {"1a",                    English, "", std::nullopt},
    {"1.2.3",                 English, "", std::nullopt},
    {"1,23",                  English, "", std::nullopt},
    {"1234,567",              English, "", std::nullopt},
    {"1.5,0",                 English, "", std::nullopt},
    {"1E",                    English, "", std::nullopt},
    {"--1",                   English, "", std::nullopt},
    {".",                     English, "", std::nullopt},
    {"0x10",                  English, "", std::nullopt},
    {"INF",                   English, "", std::nullopt},
    {"NAN",                   English, "", std::nullopt},
    {"1E400",                 English, "", std::nullopt},
    {"1,234.00 EUR",          English, "", std::nullopt},
    {"1.5",                   German,  "", std::nullopt},
    {"1,5,0",                 German,  "", std::nullopt},
};
// clang-format on

TEST(NumberFormat, ParseAcceptsNumbersRefusesTheRest)
{
    for (const ParseCase& c : parseCases)
        EXPECT_EQ(ParseNumber(c.text, c.separators, c.currency), c.expected)
            << '"' << c.text << "\" " << c.separators.decimal;
}

// Whatever the formats print, the parser reads back to the shown digits.
TEST(NumberFormat, ParseReadsBackEveryFormat)
{
    const double values[] = {0.0, -1.0, 1013.0, 1234567.891, 0.0001234, 1.234e20, -9.87e-12, 2.0 / 3.0};
    for (const NumberSeparators& separators : {English, German, Ungrouped, Blank})
        for (const FloatFormat format : {FloatFormat::General, FloatFormat::Exponent, FloatFormat::Fixed,
                                         FloatFormat::Number, FloatFormat::Currency})
            for (const double value : values) {
                const std::string text = FormatFloat(value, format, 10, 2, separators, "CHF");
                SCOPED_TRACE(text);
                const std::optional<double> back = ParseNumber(text, separators, "CHF");
                ASSERT_TRUE(back.has_value());
                const bool fixedPoint = format != FloatFormat::General && format != FloatFormat::Exponent &&
                                        std::fabs(value) < 1e10;
                EXPECT_NEAR(*back, value, (fixedPoint ? 0.005 : 0.0) + 1e-9 * std::fabs(value));
            }
}

TEST(NumberFormat, ParseIntegerThirtyTwoBits)
{
    const struct {
        const char* text;
        NumberSeparators separators;
        std::optional<std::int32_t> expected;
    } cases[] = {
        {" +3 ", English, 3},
        {"-2147483648", English, std::numeric_limits<std::int32_t>::min()},
        {"1.000", German, 1000},
        {"2147483648", English, std::nullopt},
        {"1.5", English, std::nullopt},
        {"1e3", English, std::nullopt},
        {"12,34", English, std::nullopt},
        {"1500\r\n", English, 1500},
        {"\n\t7\n", German, 7},
        {"1\n5", English, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseInteger(c.text, c.separators), c.expected) << c.text;
}

// A field shows at least its decimals and more when the value has them, so
// that it never shows a rounded value.
TEST(NumberFormat, ShownDecimalsKeepTheValue)
{
    const struct {
        double value;
        int digits;
        int decimals;
        const char* fixed;
    } cases[] = {
        {45.5, 0, 1, "45.5"},
        {5.5, 0, 1, "5.5"},
        {46.0, 0, 0, "46"},
        {22.0, 1, 1, "22.0"},
        {0.125, 2, 3, "0.125"},
        {60.0, 2, 2, "60.00"},
        {0.1 + 0.2, 0, 1, "0.3"},
        {-2.345, 2, 3, "-2.345"},
        {1234567.891, 0, 3, "1234567.891"},
        {1.0 / 3.0, 0, 10, "0.3333333333"},
        {1e-12, 0, 12, "0.000000000001"},
        {0.0, 2, 2, "0.00"},
        {NaN, 1, 1, "NAN"},
    };
    for (const auto& c : cases) {
        const int decimals = ShownDecimals(c.value, 10, c.digits);
        EXPECT_EQ(decimals, c.decimals) << c.value;
        EXPECT_EQ(FormatFloat(c.value, FloatFormat::Fixed, 10, decimals, English), c.fixed) << c.value;
    }
}

// Text that is no number: said so, with the expected decimal separator.
TEST(NumberFormat, NotANumberNamesTextAndSeparator)
{
    const CoreMessage decimal = NotANumberMessage(" 7,5\n", false, English);
    EXPECT_EQ(decimal.textIndex, TextId::NotANumber);
    EXPECT_EQ(decimal.Text(), "\"7,5\" is not a number. Please use \".\" as the decimal separator.");
    EXPECT_EQ(NotANumberMessage("7.5", false, German).arguments, (std::vector<std::string>{"7.5", ","}));
    const CoreMessage whole = NotANumberMessage("1500.5", true, English);
    EXPECT_EQ(whole.textIndex, TextId::NotAWholeNumber);
    EXPECT_EQ(whole.Text(), "\"1500.5\" is not a whole number.");
    // A long paste is cut, never inside a character.
    const std::string shown = NotANumberMessage(std::string(39, 'x') + "\u00e4\u00e4", true, English).arguments[0];
    EXPECT_EQ(shown, std::string(39, 'x') + "\u2026");
}

TEST(NumberFormat, ProgramSeparatorsRefuseAmbiguousPairs)
{
    for (const NumberSeparators& usable : {English, German, Ungrouped, Blank})
        EXPECT_TRUE(IsUsableSeparators(usable));
    for (const NumberSeparators& bad : {NumberSeparators{'.', '.'}, NumberSeparators{'\0', ','},
                                        NumberSeparators{'1', ','}, NumberSeparators{'e', ','}})
        EXPECT_FALSE(IsUsableSeparators(bad)) << bad.decimal << bad.thousands;

    ASSERT_TRUE(SetProgramSeparators(German));
    EXPECT_FALSE(SetProgramSeparators(NumberSeparators{'.', '.'}));
    EXPECT_EQ(ProgramSeparators().decimal, ',');
    ASSERT_TRUE(SetProgramSeparators(English));
    EXPECT_EQ(ProgramSeparators().decimal, '.');
}

TEST(NumberFormat, FormatWithGFillsRangeMessages)
{
    const struct {
        const char* format;
        std::vector<double> values;
        NumberSeparators separators;
        const char* expected;
    } cases[] = {
        {"Please enter a number between %g and %g", {600, 1100}, English, "Please enter a number between 600 and 1100"},
        {"zwischen %g und %g", {0.6, 1.08}, German, "zwischen 0,6 und 1,08"},
        {"%g%%", {1e6}, English, "1e+06%"},
        {"%s %g %g", {1}, English, "%s 1 %g"},
        {"%8.2G", {1e-10}, English, "   1E-10"},
        {"100%", {}, English, "100%"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatWithG(c.format, c.values, c.separators), c.expected);
    const std::array<double, 1> one{1.0};
    EXPECT_LE(FormatWithG("%99999999999.99999999999g", one, English).size(), 110u);
}

}  // namespace
