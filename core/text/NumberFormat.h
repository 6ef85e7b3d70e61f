#pragma once
// Numbers as the user sees them and types them, with the program-wide
// decimal and thousands separators. The screen, the datasheets and the
// command line report all format through here, so a value never looks
// different in two places; the numeric edits read the user's text back
// through the parser below, which accepts exactly what the formats print.

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/text/CoreMessage.h"

struct NumberSeparators {
    char decimal = '.';
    char thousands = ',';  // '\0' for none
};

// Whether a pair of separators can be printed and read back without
// ambiguity: a decimal separator that is neither a digit, a sign, a blank nor
// the exponent letter, and a thousands separator ('\0' allowed) that is none
// of these either and differs from the decimal separator.
bool IsUsableSeparators(const NumberSeparators& separators);

// The separators of the program (set by the options window; "." and "," until
// then). Every number on screen is formatted and read with them. An unusable
// pair is refused: the call returns false and the separators stay as they were.
bool SetProgramSeparators(const NumberSeparators& separators);
const NumberSeparators& ProgramSeparators();

// The currency text of the program (the options window's currency, empty
// until set), printed after amounts in the currency format.
void SetProgramCurrency(std::string currency);
const std::string& ProgramCurrency();

// The five float formats of the numeric edits.
enum class FloatFormat {
    General,   // shortest of fixed and scientific, at most `precision` significant digits
    Exponent,  // scientific, "-d.ddd…E+ddd"
    Fixed,     // "-ddd.dd" with `digits` decimals
    Number,    // as Fixed, with thousands separators
    Currency,  // as Number, followed by a blank and the currency text
};

// The value as text in `format`:
//
// - The value is first reduced to at most `precision` significant decimal
//   digits (2 … 18; values outside are clamped) and, for Fixed, Number and
//   Currency, to at most `digits` decimals (0 … 18). The decimal digits are
//   taken from the value's 18 leading significant digits and rounded half
//   away from zero: 2.5 with no decimals is "3", -0.125 with two is "-0.13",
//   1.005 (in binary a little below) with two is "1.00".
// - General: fixed notation without trailing zeros and without a decimal
//   separator for whole numbers ("1013", "0.0001234"), unless the value has
//   more integer digits than `precision` or is below 0.0001; then scientific
//   as "1.234E20", "1E-5": mantissa without trailing zeros, "E", a minus sign
//   only for negative exponents, at least `digits` (0 … 4) exponent digits.
// - Exponent: "1.23450000000000E+003" for 1234.5 with precision 15 and
//   digits 3: `precision` significant digits, "E", always a sign, at least
//   `digits` (0 … 4) exponent digits. Zero has the exponent 0.
// - Fixed: `digits` decimals. A value with more integer digits than
//   `precision` is shown in the scientific notation of General (with the
//   shortest exponent), since the digits beyond the precision are not known.
// - Number: as Fixed, the integer digits grouped by three with the thousands
//   separator.
// - Currency: as Number, then a blank and `currency` ("1,234.00 EUR",
//   "-1,234.00 EUR"); nothing is appended for an empty currency.
//
// A result that reads as zero has no minus sign. Values that are not finite
// print as "NAN", "INF" and "-INF"; ParseNumber does not read them back.
// An unusable thousands separator (equal to the decimal separator) is left
// out; an unusable decimal separator '\0' is taken as '.'.
std::string FormatFloat(double value, FloatFormat format, int precision, int digits, const NumberSeparators& separators,
                        std::string_view currency = {});

// The decimals of `value` reduced to `precision` significant digits (2 …
// 18), without trailing zeros: 45.5 has 1, 1013 has 0, 0.125 has 3; at most 18.
int DecimalsOf(double value, int precision);

// The decimals a field with at least `digits` decimals shows `value` with:
// its `digits`, or more when the value has more (up to `precision`
// significant digits), so that the text shows the value that is calculated
// with rather than a rounded one (45.5 shows as "45.5", not "46").
int ShownDecimals(double value, int precision, int digits);

// The text without the white space at either end that typing or a paste
// from a table cell brings along: blanks, tabs and line breaks.
std::string_view TrimSurroundingSpace(std::string_view text);

// Reads a number typed by the user, independent of the system's locale:
//
//   [blanks] [+|-] digits [decimal digits] [(E|e) [+|-] digits] [blank currency] [blanks]
//
// The integer digits may be grouped by three with the thousands separator,
// and then must be grouped properly ("1,234,567"; not "1,23", "12,3456" nor
// "0,123"); a number may start or end with the decimal separator (".5",
// "5."). When `currency` is given, the currency text may follow the number,
// as the Currency format prints it. Anything else is refused: letters, a
// second decimal separator, separators in the decimals or the exponent, an
// empty text, "INF", "NAN", and magnitudes beyond the range of a double.
// "Blanks" at either end are any white space a paste brings along: blanks,
// tabs and line breaks (TrimSurroundingSpace).
std::optional<double> ParseNumber(std::string_view text, const NumberSeparators& separators,
                                  std::string_view currency = {});

// Reads a whole number of 32 bits typed by the user: blanks, an optional
// sign and digits, which may be grouped by three as in ParseNumber. No
// decimal separator, no exponent; a value outside -2147483648 … 2147483647 is
// refused.
std::optional<std::int32_t> ParseInteger(std::string_view text, const NumberSeparators& separators);

// The text `format` with each "%g" (flags, width and precision allowed, e.g.
// "%.3g" or "%G") replaced by the next of `values` as C's printf prints it,
// with '.' replaced by the decimal separator; "%%" is a single '%'. Any other
// '%' sequence, and a "%g" beyond the given values, stays as it is, so a text
// from the catalogue can never read a missing argument.
std::string FormatWithG(std::string_view format, std::span<const double> values, const NumberSeparators& separators);

// The message for a `text` that is no number where a number is read: the
// text (without surrounding white space, cut after 40 characters) and, for a
// decimal number, the decimal separator that is expected.
CoreMessage NotANumberMessage(std::string_view text, bool wholeNumber, const NumberSeparators& separators);

// The error of a text that is no number where a number is read.
class EConvertError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};
