#pragma once
// The codes a device selection may carry: the rotor type codes and the sizes
// of the counterflow exchanger, each in the order the device lists show them,
// and what the calculation and the datasheets make of a code.

#include <algorithm>
#include <array>

// Rotor type codes in list order; 10 is the sorption rotor. A code outside
// this list selects the second entry.
inline constexpr std::array<int, 5> RotorCodes = {1, 3, 2, 6, 10};

// Every rotor code the calculation takes: those of the list and 4 and 5,
// which the list does not offer.
inline constexpr std::array<int, 7> CalculatedRotorCodes = {1, 2, 3, 4, 5, 6, 10};

// The sorption rotor. It has a fixed profile, and every code from it on is
// calculated with the sorption rotor's model.
inline constexpr int SorptionRotorCode = 10;
constexpr bool IsSorptionRotorCode(int code)
{
    return code >= SorptionRotorCode;
}

// The rotor whose foil and wave stay at the calculation's defaults whatever
// profile the inputs name.
inline constexpr int DefaultFoilRotorCode = 5;

// The datasheet labels the profile (foil and wave) of the rotors up to this
// code.
inline constexpr int LastLabelledProfileCode = 3;
constexpr bool HasLabelledProfile(int code)
{
    return code <= LastLabelledProfileCode;
}

// The sizes of the counterflow exchanger offered for selection.
inline constexpr std::array<int, 9> CounterflowSizes = {18, 25, 30, 35, 45, 62, 80, 95, 110};

// A double counterflow unit, two exchangers of one size with cross-flow
// sections, carries the size plus DoubleCounterflowBase; the model knows
// these.
inline constexpr int DoubleCounterflowBase = 2000;
inline constexpr std::array<int, 4> DoubleCounterflowUnits = {2062, 2080, 2095, 2110};
constexpr bool IsDoubleCounterflowUnit(int size)
{
    return size > DoubleCounterflowBase;
}

// The position of a code in its list, or -1 when the list does not carry it.
template <std::size_t N>
constexpr int PositionOf(const std::array<int, N>& codes, int code)
{
    const auto found = std::find(codes.begin(), codes.end(), code);
    return found == codes.end() ? -1 : static_cast<int>(found - codes.begin());
}
