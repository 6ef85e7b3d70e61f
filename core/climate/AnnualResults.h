#pragma once
// The energy of one simulated year of heat recovery, per month and season.

#include <array>

// Season of a month.
namespace Season {
inline constexpr int Heating = 1;
inline constexpr int Summer = 2;
}  // namespace Season

struct AnnualResults {
    std::array<int, 12> MonthSeason{};  // Season::Heating or Season::Summer, month 1 at index 0
    int HeatingMonths = 0;
    int SummerMonths = 0;
    std::array<double, 12> MonthSensible{};  // kWh to the supply air: + heated, − cooled
    std::array<double, 12> MonthLatent{};    // kWh: + humidified, − dried
    double WinterSensible = 0;               // kWh/a over the heating months
    double WinterLatent = 0;
    double SummerSensible = 0;  // kWh/a of cold recovered (positive)
    double SummerLatent = 0;
    double WinterHours = 0;        // h/a of heat recovery
    double SummerHours = 0;        // h/a of cold recovery
    double Humidification = 0;     // kg/a of water into the supply air in winter
    double Dehumidification = 0;   // kg/a in summer; negative when the supply air is dried
    double MaxDpSupplyWinter = 0;  // Pa
    double MaxDpExtractWinter = 0;
    double MaxDpSupplySummer = 0;
    double MaxDpExtractSummer = 0;
    double FanEnergy = 0;  // kWh/a of additional fan energy
    double ChartMax = 0;   // kWh, range of the monthly chart
    double ChartMin = 0;
};
