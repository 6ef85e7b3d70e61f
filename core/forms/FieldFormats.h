#pragma once
// The formats of the main window's numeric edits: fixed point, no thousands
// separators, 10 significant digits and at least the decimals below (more
// when the value has more, so that no field shows a rounded value). The
// window creates its edits with them and the datasheets print the typed
// values with them, so a value reads the same on paper as in its field.

#include <string>

#include "core/text/NumberFormat.h"

namespace FieldFormat {

inline constexpr int Precision = 10;

// Decimals of the fields.
inline constexpr int VolumeDigits = 0;       // air volume flows
inline constexpr int TemperatureDigits = 1;  // room, maximum supply and switch-over temperatures
inline constexpr int HumidityDigits = 0;     // relative humidity
inline constexpr int DaysDigits = 0;         // operating days per week
inline constexpr int InvestmentDigits = 0;
inline constexpr int LifetimeDigits = 0;
inline constexpr int InterestDigits = 1;
inline constexpr int PriceDigits = 2;  // prices of electricity, heat, cold and water
inline constexpr int CostDigits = 2;   // maintenance and service

// A value as an edit with `digits` decimals shows it: 45.5 with 0 decimals
// as "45.5", 6 as "6".
inline std::string FormatField(double value, int digits, const NumberSeparators& separators)
{
    return FormatFloat(value, FloatFormat::Fixed, Precision, ShownDecimals(value, Precision, digits), separators);
}

}  // namespace FieldFormat
