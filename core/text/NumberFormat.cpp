// Numbers to text and back with the program-wide separators.

#include "core/text/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <utility>

namespace {

NumberSeparators programSeparators;
std::string programCurrency;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A character that the number grammar gives a meaning of its own.
bool IsReserved(char c)
{
    return IsDigit(c) || c == '+' || c == '-' || c == 'e' || c == 'E' || c == ' ' || c == '\t';
}

// The separators as printed and read: '.' for a missing decimal separator,
// no grouping when the thousands separator would be mistaken for it.
NumberSeparators Effective(const NumberSeparators& separators)
{
    NumberSeparators effective = separators;
    if (effective.decimal == '\0')
        effective.decimal = '.';
    if (effective.thousands == effective.decimal)
        effective.thousands = '\0';
    return effective;
}

// A value reduced to decimal digits: value = 0.d1d2d3… × 10^exponent.
struct DecimalDigits {
    bool negative = false;
    int exponent = 0;
    std::string digits;  // without trailing zeros; empty for zero
};

// The decimal digits of a finite value with at most `precision` significant
// digits and at most `decimals` digits after the decimal point.
//
// The value is first written with its 18 leading significant digits; those
// are then cut to the wanted length and rounded half away from zero. This
// two-step rounding is that of the float formats the edits have always used;
// it differs from exact rounding only for values within 5e-19 (relative) of
// a half.
DecimalDigits ToDecimal(double value, int precision, int decimals)
{
    constexpr int MaxDigits = 18;
    DecimalDigits result;
    if (value == 0.0)
        return result;
    result.negative = std::signbit(value);

    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", MaxDigits - 1, std::fabs(value));
    // "d.ddddddddddddddddde±xx"
    std::string digits;
    const char* p = buffer;
    for (; *p != 'e'; ++p)
        if (IsDigit(*p))
            digits += *p;
    result.exponent = std::atoi(p + 1) + 1;

    // How many digits are kept; decimals may cut before the first digit.
    const long long wanted = std::min<long long>(precision, static_cast<long long>(result.exponent) + decimals);
    if (wanted < 0)
        return DecimalDigits{};
    const auto keep = static_cast<std::size_t>(wanted);
    if (keep < digits.size()) {
        const bool roundUp = digits[keep] >= '5';
        digits.resize(keep);
        if (roundUp) {
            std::size_t i = keep;
            while (i > 0 && digits[i - 1] == '9') {
                digits[i - 1] = '0';
                --i;
            }
            if (i == 0) {
                digits.insert(digits.begin(), '1');
                ++result.exponent;
            } else {
                ++digits[i - 1];
            }
        }
    }
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    if (digits.empty())
        return DecimalDigits{};
    result.digits = std::move(digits);
    return result;
}

// The digit at `position` (0-based) of the digit string, '0' beyond it.
char DigitAt(const DecimalDigits& d, long long position)
{
    if (position < 0 || position >= static_cast<long long>(d.digits.size()))
        return '0';
    return d.digits[static_cast<std::size_t>(position)];
}

// "E" and the exponent with at least `minDigits` digits; `forceSign` puts a
// '+' before positive exponents.
std::string ExponentText(int exponent, int minDigits, bool forceSign)
{
    std::string text = "E";
    if (exponent < 0)
        text += '-';
    else if (forceSign)
        text += '+';
    std::string number = std::to_string(exponent < 0 ? -static_cast<long long>(exponent) : exponent);
    if (static_cast<int>(number.size()) < minDigits)
        number.insert(0, static_cast<std::size_t>(minDigits) - number.size(), '0');
    return text + number;
}

// Scientific notation of General: the digits without trailing zeros.
std::string GeneralScientific(const DecimalDigits& d, int minExponentDigits, char decimal)
{
    std::string text(1, d.digits[0]);
    if (d.digits.size() > 1) {
        text += decimal;
        text.append(d.digits, 1);
    }
    return text + ExponentText(d.exponent - 1, minExponentDigits, false);
}

// The integer digits of `d` (at least "0"), grouped when `thousands` is set.
std::string IntegerPart(const DecimalDigits& d, char thousands)
{
    if (d.exponent <= 0)
        return "0";
    const auto count = static_cast<std::size_t>(d.exponent);
    std::string text;
    text.reserve(count + count / 3);
    for (std::size_t i = 0; i < count; ++i) {
        if (thousands != '\0' && i > 0 && (count - i) % 3 == 0)
            text += thousands;
        text += DigitAt(d, static_cast<long long>(i));
    }
    return text;
}

std::string FormatGeneral(const DecimalDigits& d, int precision, int minExponentDigits, char decimal)
{
    if (d.digits.empty())
        return "0";
    if (d.exponent > precision || d.exponent < -3)
        return GeneralScientific(d, minExponentDigits, decimal);
    if (d.exponent <= 0)
        return "0" + std::string(1, decimal) + std::string(static_cast<std::size_t>(-d.exponent), '0') + d.digits;
    std::string text = IntegerPart(d, '\0');
    const auto integerDigits = static_cast<std::size_t>(d.exponent);
    if (d.digits.size() > integerDigits) {
        text += decimal;
        text.append(d.digits, integerDigits);
    }
    return text;
}

std::string FormatExponent(const DecimalDigits& d, int precision, int minExponentDigits, char decimal)
{
    std::string text(1, DigitAt(d, 0));
    text += decimal;
    for (int i = 1; i < precision; ++i)
        text += DigitAt(d, i);
    const int exponent = d.digits.empty() ? 0 : d.exponent - 1;
    return text + ExponentText(exponent, minExponentDigits, true);
}

std::string FormatFixedPoint(const DecimalDigits& d, int decimals, char decimal, char thousands)
{
    std::string text = IntegerPart(d, thousands);
    if (decimals > 0) {
        text += decimal;
        for (int i = 0; i < decimals; ++i)
            text += DigitAt(d, static_cast<long long>(d.exponent) + i);
    }
    return text;
}

// White space around a number: blanks and tabs as typed, line breaks and the
// like as a text copied from a table cell brings along.
bool IsSurroundingSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Reads the integer digits at the start of `text` into `out`, with or
// without proper grouping by `thousands`; returns how many characters were
// read (0 when there are no digits or the grouping is wrong).
std::size_t ReadIntegerDigits(std::string_view text, char thousands, std::string& out)
{
    std::size_t i = 0;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    if (i == 0)
        return 0;
    if (thousands == '\0' || i >= text.size() || text[i] != thousands) {
        out.append(text.substr(0, i));
        return i;
    }
    // Grouped: a first group of one to three digits without a leading zero,
    // then groups of exactly three.
    if (i > 3 || text[0] == '0')
        return 0;
    out.append(text.substr(0, i));
    while (i < text.size() && text[i] == thousands) {
        const std::string_view group = text.substr(i + 1, 3);
        if (group.size() != 3 || !std::all_of(group.begin(), group.end(), IsDigit))
            return 0;
        if (i + 4 < text.size() && IsDigit(text[i + 4]))
            return 0;
        out.append(group);
        i += 4;
    }
    return i;
}

}  // namespace

std::string_view TrimSurroundingSpace(std::string_view text)
{
    while (!text.empty() && IsSurroundingSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSurroundingSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool IsUsableSeparators(const NumberSeparators& separators)
{
    if (separators.decimal == '\0' || IsReserved(separators.decimal))
        return false;
    if (separators.thousands == '\0')
        return true;
    // A blank groups as in French and Russian; it is only trimmed at the ends.
    if (separators.thousands != ' ' && IsReserved(separators.thousands))
        return false;
    return separators.thousands != separators.decimal;
}

bool SetProgramSeparators(const NumberSeparators& separators)
{
    if (!IsUsableSeparators(separators))
        return false;
    programSeparators = separators;
    return true;
}

const NumberSeparators& ProgramSeparators()
{
    return programSeparators;
}

void SetProgramCurrency(std::string currency)
{
    programCurrency = std::move(currency);
}

const std::string& ProgramCurrency()
{
    return programCurrency;
}

std::string FormatFloat(double value, FloatFormat format, int precision, int digits, const NumberSeparators& separators,
                        std::string_view currency)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";

    const NumberSeparators seps = Effective(separators);
    precision = std::clamp(precision, 2, 18);
    const int exponentDigits = std::clamp(digits, 0, 4);
    const int decimals = std::clamp(digits, 0, 18);
    // General and Exponent are limited by the precision only.
    constexpr int AllDecimals = 9999;

    std::string text;
    DecimalDigits d;
    switch (format) {
    case FloatFormat::General:
        d = ToDecimal(value, precision, AllDecimals);
        text = FormatGeneral(d, precision, exponentDigits, seps.decimal);
        break;
    case FloatFormat::Exponent:
        d = ToDecimal(value, precision, AllDecimals);
        text = FormatExponent(d, precision, exponentDigits, seps.decimal);
        break;
    case FloatFormat::Fixed:
    case FloatFormat::Number:
    case FloatFormat::Currency:
        d = ToDecimal(value, precision, decimals);
        if (d.exponent > precision) {
            text = GeneralScientific(d, 0, seps.decimal);
        } else {
            const char thousands = format == FloatFormat::Fixed ? '\0' : seps.thousands;
            text = FormatFixedPoint(d, decimals, seps.decimal, thousands);
        }
        break;
    }
    if (d.negative && !d.digits.empty())
        text.insert(text.begin(), '-');
    if (format == FloatFormat::Currency && !currency.empty()) {
        text += ' ';
        text += currency;
    }
    return text;
}

int DecimalsOf(double value, int precision)
{
    if (!std::isfinite(value))
        return 0;
    constexpr int AllDecimals = 9999;
    const DecimalDigits d = ToDecimal(value, std::clamp(precision, 2, 18), AllDecimals);
    const int decimals = static_cast<int>(d.digits.size()) - d.exponent;
    return std::clamp(decimals, 0, 18);
}

int ShownDecimals(double value, int precision, int digits)
{
    return std::max(std::clamp(digits, 0, 18), DecimalsOf(value, precision));
}

std::optional<double> ParseNumber(std::string_view text, const NumberSeparators& separators, std::string_view currency)
{
    const NumberSeparators seps = Effective(separators);
    text = TrimSurroundingSpace(text);
    if (!currency.empty() && text.size() > currency.size() && text.ends_with(currency))
        text = TrimSurroundingSpace(text.substr(0, text.size() - currency.size()));

    // The number rewritten for from_chars: sign, digits, '.', 'e', exponent.
    std::string plain;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            plain += '-';
        ++i;
    }
    const std::size_t integerLength = ReadIntegerDigits(text.substr(i), seps.thousands, plain);
    if (integerLength == 0 && i < text.size() && IsDigit(text[i]))
        return std::nullopt;  // digits with a wrong grouping
    i += integerLength;
    std::size_t fractionLength = 0;
    if (i < text.size() && text[i] == seps.decimal) {
        plain += '.';
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            plain += text[i];
            ++i;
            ++fractionLength;
        }
    }
    if (integerLength == 0 && fractionLength == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            plain += text[i];
            ++i;
        }
        const std::size_t start = i;
        while (i < text.size() && IsDigit(text[i])) {
            plain += text[i];
            ++i;
        }
        if (i == start)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;

    double value = 0.0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc{} || end != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int32_t> ParseInteger(std::string_view text, const NumberSeparators& separators)
{
    const NumberSeparators seps = Effective(separators);
    text = TrimSurroundingSpace(text);
    bool negative = false;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string digits;
    const std::size_t length = ReadIntegerDigits(text.substr(i), seps.thousands, digits);
    if (length == 0 || i + length != text.size())
        return std::nullopt;

    // Accumulated as a magnitude so that -2147483648 fits.
    constexpr long long Limit = static_cast<long long>(std::numeric_limits<std::int32_t>::max()) + 1;
    long long magnitude = 0;
    for (const char c : digits) {
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > Limit)
            return std::nullopt;
    }
    if (!negative && magnitude == Limit)
        return std::nullopt;
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

CoreMessage NotANumberMessage(std::string_view text, bool wholeNumber, const NumberSeparators& separators)
{
    // A long paste is shown by its start only.
    constexpr std::size_t ShownCharacters = 40;
    std::string shown(TrimSurroundingSpace(text));
    if (shown.size() > ShownCharacters) {
        std::size_t cut = ShownCharacters;
        while (cut > 0 && (static_cast<unsigned char>(shown[cut]) & 0xC0) == 0x80)
            --cut;  // not inside a UTF-8 character
        shown = shown.substr(0, cut) + "\u2026";
    }
    if (wholeNumber)
        return CoreMessage{TextId::NotAWholeNumber, "\"%s\" is not a whole number.", {shown}};
    return CoreMessage{TextId::NotANumber,
                       "\"%s\" is not a number. Please use \"%s\" as the decimal separator.",
                       {shown, std::string(1, Effective(separators).decimal)}};
}

std::string FormatWithG(std::string_view format, std::span<const double> values, const NumberSeparators& separators)
{
    const char decimal = Effective(separators).decimal;
    std::string result;
    std::size_t next = 0;
    std::size_t i = 0;
    while (i < format.size()) {
        const char c = format[i];
        if (c != '%') {
            result += c;
            ++i;
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            result += '%';
            i += 2;
            continue;
        }
        // %[flags][width][.precision](g|G); width and precision are limited
        // so that no argument can ask for an unbounded field.
        std::size_t j = i + 1;
        std::string conversion = "%";
        while (j < format.size() && std::string_view("-+ #0").find(format[j]) != std::string_view::npos)
            conversion += format[j++];
        int width = 0;
        while (j < format.size() && IsDigit(format[j]))
            width = std::min(width * 10 + (format[j++] - '0'), 1000);
        bool hasPrecision = false;
        int precision = 0;
        if (j < format.size() && format[j] == '.') {
            hasPrecision = true;
            ++j;
            while (j < format.size() && IsDigit(format[j]))
                precision = std::min(precision * 10 + (format[j++] - '0'), 1000);
        }
        if (j >= format.size() || (format[j] != 'g' && format[j] != 'G') || next >= values.size()) {
            result += c;
            ++i;
            continue;
        }
        if (width > 0)
            conversion += std::to_string(std::min(width, 100));
        if (hasPrecision)
            conversion += '.' + std::to_string(std::min(precision, 40));
        conversion += format[j];

        char buffer[256];
        std::snprintf(buffer, sizeof buffer, conversion.c_str(), values[next++]);
        std::string number(buffer);
        std::replace(number.begin(), number.end(), '.', decimal);
        result += number;
        i = j + 1;
    }
    return result;
}
