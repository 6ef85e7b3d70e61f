// The float formats, the parser of typed numbers and the range message
// filling, with English and German separators.

#include "ui/NumberFormat.h"

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
constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

struct FormatCase {
    const char* name;
    double value;
    FloatFormat format;
    int precision;
    int digits;
    NumberSeparators separators;
    const char* currency;
    const char* expected;
};

// clang-format off
const FormatCase formatCases[] = {
    // General: shortest of fixed and scientific, no trailing zeros.
    {"general whole number",           1013.0,        FloatFormat::General, 10, 0, English, "", "1013"},
    {"general whole number digits 2",  1013.0,        FloatFormat::General, 10, 2, English, "", "1013"},
    {"general small fixed",            0.0001234,     FloatFormat::General, 15, 0, English, "", "0.0001234"},
    {"general 0.0001 still fixed",     0.0001,        FloatFormat::General, 15, 0, English, "", "0.0001"},
    {"general below 0.0001",           0.00001,       FloatFormat::General, 15, 0, English, "", "1E-5"},
    {"general large",                  1.234e20,      FloatFormat::General, 15, 0, English, "", "1.234E20"},
    {"general exponent digits 2",      0.00001,       FloatFormat::General, 15, 2, English, "", "1E-05"},
    {"general exponent digits 4",      1.5e20,        FloatFormat::General, 15, 4, English, "", "1.5E0020"},
    {"general exponent digits capped", 1.5e20,        FloatFormat::General, 15, 9, English, "", "1.5E0020"},
    {"general negative small",         -1.234e-7,     FloatFormat::General, 10, 0, English, "", "-1.234E-7"},
    {"general zero",                   0.0,           FloatFormat::General, 10, 2, English, "", "0"},
    {"general negative zero",          -0.0,          FloatFormat::General, 10, 2, English, "", "0"},
    {"general negative fraction",      -0.5,          FloatFormat::General, 10, 0, English, "", "-0.5"},
    {"general precision digits",       9999999999.0,  FloatFormat::General, 10, 0, English, "", "9999999999"},
    {"general beyond precision",       1e10,          FloatFormat::General, 10, 0, English, "", "1E10"},
    {"general rounds into exponent",   99999999995.0, FloatFormat::General, 10, 0, English, "", "1E11"},
    {"general rounds to precision",    2.0 / 3.0,     FloatFormat::General, 5,  0, English, "", "0.66667"},
    {"general hides binary noise",     0.1 + 0.2,     FloatFormat::General, 15, 0, English, "", "0.3"},
    {"general shows binary noise",     0.1 + 0.2,     FloatFormat::General, 17, 0, English, "", "0.30000000000000004"},
    {"general precision below 2",      2.0 / 3.0,     FloatFormat::General, 0,  0, English, "", "0.67"},
    {"general few digits scientific",  123456.789,    FloatFormat::General, 4,  0, English, "", "1.235E5"},
    {"general German",                 1234.5,        FloatFormat::General, 15, 0, German,  "", "1234,5"},
    {"general German scientific",      1.5e-6,        FloatFormat::General, 15, 0, German,  "", "1,5E-6"},

    // Exponent: precision digits, sign and padded exponent.
    {"exponent classic",               1234.5,        FloatFormat::Exponent, 15, 3, English, "", "1.23450000000000E+003"},
    {"exponent zero",                  0.0,           FloatFormat::Exponent, 5,  2, English, "", "0.0000E+00"},
    {"exponent negative small",        -0.000123,     FloatFormat::Exponent, 3,  0, English, "", "-1.23E-4"},
    {"exponent rounds up a decade",    9.9999,        FloatFormat::Exponent, 3,  2, English, "", "1.00E+01"},
    {"exponent three digit exponent",  1e100,         FloatFormat::Exponent, 2,  1, English, "", "1.0E+100"},
    {"exponent digits capped at 4",    1.0,           FloatFormat::Exponent, 2,  5, English, "", "1.0E+0000"},
    {"exponent German",                1234.5,        FloatFormat::Exponent, 4,  2, German,  "", "1,235E+03"},

    // Fixed: digits decimals, half away from zero on the decimal digits.
    {"fixed defaults show 0.00",       0.0,           FloatFormat::Fixed, 10, 2, English, "", "0.00"},
    {"fixed half up",                  2.5,           FloatFormat::Fixed, 10, 0, English, "", "3"},
    {"fixed half away from zero",      -2.5,          FloatFormat::Fixed, 10, 0, English, "", "-3"},
    {"fixed exact binary half",        0.125,         FloatFormat::Fixed, 10, 2, English, "", "0.13"},
    {"fixed 1.005 lies below the half", 1.005,        FloatFormat::Fixed, 15, 2, English, "", "1.00"},
    {"fixed rounds to zero unsigned",  -0.001,        FloatFormat::Fixed, 10, 2, English, "", "0.00"},
    {"fixed rounds up before digit",   0.006,         FloatFormat::Fixed, 10, 2, English, "", "0.01"},
    {"fixed far below the decimals",   1e-20,         FloatFormat::Fixed, 10, 2, English, "", "0.00"},
    {"fixed carry into new digit",     999.999,       FloatFormat::Fixed, 10, 2, English, "", "1000.00"},
    {"fixed no grouping",              1234567.891,   FloatFormat::Fixed, 10, 2, English, "", "1234567.89"},
    {"fixed precision limits digits",  123.456,       FloatFormat::Fixed, 4,  2, English, "", "123.50"},
    {"fixed beyond precision",         1e20,          FloatFormat::Fixed, 15, 2, English, "", "1E20"},
    {"fixed beyond precision digits",  123456.0,      FloatFormat::Fixed, 4,  2, English, "", "1.235E5"},
    {"fixed negative digits as 0",     1.6,           FloatFormat::Fixed, 10, -1, English, "", "2"},
    {"fixed 1013 no decimals",         1013.0,        FloatFormat::Fixed, 10, 0, English, "", "1013"},
    {"fixed German",                   -1234.5,       FloatFormat::Fixed, 10, 1, German,  "", "-1234,5"},

    // Number: fixed with thousands separators.
    {"number grouped",                 1234567.891,   FloatFormat::Number, 15, 2, English, "", "1,234,567.89"},
    {"number negative",                -1234.5,       FloatFormat::Number, 10, 2, English, "", "-1,234.50"},
    {"number three digits",            999.0,         FloatFormat::Number, 10, 0, English, "", "999"},
    {"number four digits",             1000.0,        FloatFormat::Number, 10, 0, English, "", "1,000"},
    {"number below one",               0.5,           FloatFormat::Number, 10, 2, English, "", "0.50"},
    {"number German",                  1234567.891,   FloatFormat::Number, 15, 2, German,  "", "1.234.567,89"},
    {"number without separator",       1234567.891,   FloatFormat::Number, 15, 2, Ungrouped, "", "1234567.89"},
    {"number separators equal",        1234567.891,   FloatFormat::Number, 15, 2, NumberSeparators{',', ','}, "", "1234567,89"},
    {"number blank separator",         1234567.0,     FloatFormat::Number, 15, 0, NumberSeparators{',', ' '}, "", "1 234 567"},

    // Currency: number, blank, currency text.
    {"currency",                       1234.0,        FloatFormat::Currency, 10, 2, English, "EUR", "1,234.00 EUR"},
    {"currency negative",              -1234.0,       FloatFormat::Currency, 10, 2, English, "EUR", "-1,234.00 EUR"},
    {"currency empty text",            1234.0,        FloatFormat::Currency, 10, 2, English, "",    "1,234.00"},
    {"currency German",                1234.0,        FloatFormat::Currency, 10, 2, German,  "\xE2\x82\xAC", "1.234,00 \xE2\x82\xAC"},

    // Values that are no numbers.
    {"not a number",                   NaN,           FloatFormat::Fixed,   10, 2, English, "", "NAN"},
    {"infinity",                       Inf,           FloatFormat::General, 10, 2, English, "", "INF"},
    {"minus infinity",                 -Inf,          FloatFormat::Number,  10, 2, English, "", "-INF"},
};
// clang-format on

TEST(NumberFormat, FloatFormatsTable)
{
    for (const FormatCase& c : formatCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatFloat(c.value, c.format, c.precision, c.digits, c.separators, c.currency), c.expected);
    }
}

struct ParseCase {
    const char* text;
    NumberSeparators separators;
    const char* currency;
    std::optional<double> expected;
};

// clang-format off
const ParseCase parseCases[] = {
    {"1100",                  English, "", 1100.0},
    {"-1,234.5",              English, "", -1234.5},
    {"+5",                    English, "", 5.0},
    {"  12.5 ",               English, "", 12.5},
    {".5",                    English, "", 0.5},
    {"5.",                    English, "", 5.0},
    {"1.23450000000000E+003", English, "", 1234.5},
    {"1E20",                  English, "", 1e20},
    {"1e-5",                  English, "", 1e-5},
    {"1,234,567",             English, "", 1234567.0},
    {"0.0001234",             English, "", 0.0001234},
    {"0",                     English, "", 0.0},
    {"1,234.00 EUR",          English, "EUR", 1234.0},
    {"-1,234.00EUR",          English, "EUR", -1234.0},
    {"1.234,5",               German,  "", 1234.5},
    {"1,5",                   German,  "", 1.5},
    {"1.234",                 German,  "", 1234.0},
    {"1,5E3",                 German,  "", 1500.0},
    {"1 234,5",               NumberSeparators{',', ' '}, "", 1234.5},
    {"1234567.5",             Ungrouped, "", 1234567.5},

    {"",                      English, "", std::nullopt},
    {"   ",                   English, "", std::nullopt},
    {"abc",                   English, "", std::nullopt},
    {"1a",                    English, "", std::nullopt},
    {"a1",                    English, "", std::nullopt},
    {"1.2.3",                 English, "", std::nullopt},
    {"1,23",                  English, "", std::nullopt},
    {"12,3456",               English, "", std::nullopt},
    {"0,123",                 English, "", std::nullopt},
    {"1234,567",              English, "", std::nullopt},
    {",123",                  English, "", std::nullopt},
    {"1.5,0",                 English, "", std::nullopt},
    {"1,234.5,6",             English, "", std::nullopt},
    {"1E",                    English, "", std::nullopt},
    {"E5",                    English, "", std::nullopt},
    {"1e5.5",                 English, "", std::nullopt},
    {"--1",                   English, "", std::nullopt},
    {"1-",                    English, "", std::nullopt},
    {".",                     English, "", std::nullopt},
    {"-",                     English, "", std::nullopt},
    {"1 2",                   English, "", std::nullopt},
    {"0x10",                  English, "", std::nullopt},
    {"INF",                   English, "", std::nullopt},
    {"NAN",                   English, "", std::nullopt},
    {"inf",                   English, "", std::nullopt},
    {"1E400",                 English, "", std::nullopt},
    {"1,234.00 EUR",          English, "", std::nullopt},
    {"EUR",                   English, "EUR", std::nullopt},
    {"1.5",                   German,  "", std::nullopt},
    {"1,5,0",                 German,  "", std::nullopt},
    {"1.234.5",               German,  "", std::nullopt},
};
// clang-format on

TEST(NumberFormat, ParseAcceptsNumbersRefusesTheRest)
{
    for (const ParseCase& c : parseCases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\" with decimal '" + c.separators.decimal + "'");
        EXPECT_EQ(ParseNumber(c.text, c.separators, c.currency), c.expected);
    }
}

// Whatever the formats print, the parser reads back, close to the value to
// the shown digits.
TEST(NumberFormat, ParseReadsBackEveryFormat)
{
    const std::vector<double> values = {0.0,     1.0,      -1.0,    0.5,    1013.0,    1234567.891, -1234.5,
                                        0.0001234, 1.234e20, -9.87e-12, 999.995, 2.0 / 3.0, 1e-5,        123456789.0};
    const FloatFormat formats[] = {FloatFormat::General, FloatFormat::Exponent, FloatFormat::Fixed,
                                   FloatFormat::Number, FloatFormat::Currency};
    const NumberSeparators separatorSets[] = {English, German, Ungrouped, NumberSeparators{',', ' '}};
    for (const NumberSeparators& separators : separatorSets)
        for (const FloatFormat format : formats)
            for (const double value : values) {
                const std::string text = FormatFloat(value, format, 10, 2, separators, "CHF");
                SCOPED_TRACE(text);
                const std::optional<double> back = ParseNumber(text, separators, "CHF");
                ASSERT_TRUE(back.has_value());
                const bool fixedPoint = format != FloatFormat::General && format != FloatFormat::Exponent &&
                                        std::fabs(value) < 1e10;
                const double tolerance = fixedPoint ? 0.005 + 1e-9 * std::fabs(value) : 1e-9 * std::fabs(value);
                EXPECT_NEAR(*back, value, tolerance);
            }
}

TEST(NumberFormat, ParseIntegerThirtyTwoBits)
{
    struct Case {
        const char* text;
        NumberSeparators separators;
        std::optional<std::int32_t> expected;
    };
    const Case cases[] = {
        {"0", English, 0},
        {"42", English, 42},
        {" 7 ", English, 7},
        {"+3", English, 3},
        {"-2147483648", English, std::numeric_limits<std::int32_t>::min()},
        {"2147483647", English, std::numeric_limits<std::int32_t>::max()},
        {"1,000", English, 1000},
        {"1.000", German, 1000},
        {"2147483648", English, std::nullopt},
        {"-2147483649", English, std::nullopt},
        {"99999999999999999999", English, std::nullopt},
        {"1.5", English, std::nullopt},
        {"1,5", German, std::nullopt},
        {"1e3", English, std::nullopt},
        {"", English, std::nullopt},
        {"-", English, std::nullopt},
        {"abc", English, std::nullopt},
        {"12,34", English, std::nullopt},
        {"1.000", English, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseInteger(c.text, c.separators), c.expected);
    }
}

TEST(NumberFormat, ProgramSeparatorsRefuseAmbiguousPairs)
{
    struct Case {
        NumberSeparators separators;
        bool usable;
    };
    const Case cases[] = {
        {English, true},
        {German, true},
        {Ungrouped, true},
        {NumberSeparators{',', ' '}, true},
        {NumberSeparators{'.', '.'}, false},
        {NumberSeparators{'\0', ','}, false},
        {NumberSeparators{'1', ','}, false},
        {NumberSeparators{'.', '-'}, false},
        {NumberSeparators{'e', ','}, false},
        {NumberSeparators{' ', '.'}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("'") + c.separators.decimal + "' '" + c.separators.thousands + "'");
        EXPECT_EQ(IsUsableSeparators(c.separators), c.usable);
    }

    ASSERT_TRUE(SetProgramSeparators(German));
    EXPECT_FALSE(SetProgramSeparators(NumberSeparators{'.', '.'}));
    EXPECT_EQ(ProgramSeparators().decimal, ',');
    EXPECT_EQ(ProgramSeparators().thousands, '.');
    ASSERT_TRUE(SetProgramSeparators(English));
    EXPECT_EQ(ProgramSeparators().decimal, '.');
}

TEST(NumberFormat, FormatWithGFillsRangeMessages)
{
    struct Case {
        const char* name;
        const char* format;
        std::vector<double> values;
        NumberSeparators separators;
        const char* expected;
    };
    const Case cases[] = {
        {"message 105", "Please enter a number between %g and %g", {600, 1100}, English,
         "Please enter a number between 600 and 1100"},
        {"fractions German", "zwischen %g und %g", {0.6, 1.08}, German, "zwischen 0,6 und 1,08"},
        {"negative limit", "%g .. %g", {-2140, 13500}, English, "-2140 .. 13500"},
        {"printf switches to exponent", "%g", {1e6}, English, "1e+06"},
        {"percent sign", "%g%%", {50}, English, "50%"},
        {"other conversion stays", "%s %g", {1}, English, "%s 1"},
        {"missing value stays", "%g %g %g", {1, 2}, English, "1 2 %g"},
        {"precision", "%.3g", {3.14159}, English, "3.14"},
        {"width and upper case", "%8.2G", {1e-10}, English, "   1E-10"},
        {"lone percent at end", "100%", {}, English, "100%"},
        {"no placeholders", "plain", {1, 2}, English, "plain"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatWithG(c.format, c.values, c.separators), c.expected);
    }
    const std::array<double, 1> one{1.0};
    EXPECT_LE(FormatWithG("%99999999999.99999999999g", one, English).size(), 110u);
}

TEST(NumberFormat, ConvertErrorIsAnInvalidArgument)
{
    try {
        throw EConvertError("\"x\" is not a number");
    } catch (const std::invalid_argument& error) {
        EXPECT_STREQ(error.what(), "\"x\" is not a number");
    }
}

}  // namespace
