#include "ui/NumberFormat.h"

#include <cmath>
#include <cstdio>

std::string FormatFixed(double value, int decimals, const NumberSeparators& separators)
{
    if (!std::isfinite(value))
        return "-";
    if (decimals < 0)
        decimals = 0;
    // printf rounds the binary value exactly, which is half to even for
    // values that are exact halves.
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string digits(buffer);

    std::string sign;
    if (!digits.empty() && digits.front() == '-') {
        sign = "-";
        digits.erase(0, 1);
    }
    const std::size_t point = digits.find('.');
    std::string whole = digits.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : digits.substr(point + 1);

    std::string grouped;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0 && separators.thousands != '\0')
            grouped += separators.thousands;
        grouped += whole[i];
    }
    std::string text = sign + grouped;
    if (!fraction.empty()) {
        text += separators.decimal;
        text += fraction;
    }
    // "-0" and "-0.0" read as zero.
    if (sign == "-" && text.find_first_not_of("-0.,") == std::string::npos)
        text.erase(0, 1);
    return text;
}
