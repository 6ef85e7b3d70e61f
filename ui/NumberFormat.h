#pragma once
// Numbers as the user sees them: fixed-point with the program-wide decimal
// and thousands separators. The screen, the datasheets and the command line
// report all format through here, so a value never looks different in two
// places.

#include <string>

struct NumberSeparators {
    char decimal = '.';
    char thousands = ',';  // '\0' for none
};

// The value with `decimals` digits after the separator, rounded half to even,
// and thousands grouped; "-" for a value that is not a number.
std::string FormatFixed(double value, int decimals, const NumberSeparators& separators);
