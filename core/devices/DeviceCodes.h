#pragma once
// The codes a device selection may carry: the rotor type codes and the sizes
// of the counterflow exchanger, each in the order the device lists show them.

#include <algorithm>
#include <array>

// Rotor type codes in list order; 10 is the sorption rotor. A code outside
// this list selects the second entry.
inline constexpr std::array<int, 5> RotorCodes = {1, 3, 2, 6, 10};

// The sizes of the counterflow exchanger offered for selection.
inline constexpr std::array<int, 9> CounterflowSizes = {18, 25, 30, 35, 45, 62, 80, 95, 110};

// The position of a code in its list, or -1 when the list does not carry it.
template <std::size_t N>
constexpr int PositionOf(const std::array<int, N>& codes, int code)
{
    const auto found = std::find(codes.begin(), codes.end(), code);
    return found == codes.end() ? -1 : static_cast<int>(found - codes.begin());
}
