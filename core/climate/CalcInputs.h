#pragma once
// The one input record of a calculation: design air data, device, operating
// schedule, control strategy and economic data. Always in calculation units
// (°C, %, m³/h, mbar), whatever the screen shows. The defaults are those of a
// first start.

#include <cstdint>
#include <ostream>
#include <string>

// Device families. The numbers are those of the settings file and the JSON.
enum class DeviceKind : int {
    Rotary = 1,
    CrossFlowPlate = 2,
    CounterflowPlate = 3,
};

// Summer operation: how the recovery is switched off when it would heat the
// supply air in summer. The numbers are those of the settings file and the
// JSON.
enum class SummerOperation : int {
    TemperatureComparison = 1,
    EnthalpyComparison = 2,
    SwitchOverTemperature = 3,
    None = 4,
};

// Both written as their numbers, as in the settings file and the JSON.
inline std::ostream& operator<<(std::ostream& out, DeviceKind kind)
{
    return out << static_cast<int>(kind);
}
inline std::ostream& operator<<(std::ostream& out, SummerOperation mode)
{
    return out << static_cast<int>(mode);
}

// Maintenance and service costs as a share of the investment or as an amount.
namespace CostMode {
inline constexpr double PercentOfInvestment = 1.0;
inline constexpr double AmountPerYear = 2.0;
}  // namespace CostMode

struct CalcInputs {
    // Site and design air data.
    int ClimateZone = 2;             // 1..3 built-in zones; 4.. user climate file ClimateZone − 4
    double AirPressure = 1013;       // mbar
    double SupplyVolWinter = 10000;  // m³/h standard volume flow
    double ExtractVolWinter = 10000;
    double ExtractTempWinter = 22;  // °C
    double ExtractHumWinter = 40;   // %
    double SupplyVolSummer = 10000;
    double ExtractVolSummer = 10000;
    double ExtractTempSummer = 22;
    double ExtractHumSummer = 40;

    // Device.
    DeviceKind DeviceType = DeviceKind::Rotary;
    int RotorTypeCode = 2;     // 1, 2, 3, 6; 10 the sorption rotor
    int WheelDiameter = 1920;  // mm
    int DrivePower = 180;      // W
    std::string StorageMassCode = "C19";
    int PlateEdge = 1000;   // mm
    int PlateEdgeItem = 9;  // position of the edge in its list, 1-based
    int PlateWidth = 1200;  // mm
    std::uint8_t PlateSpacingCode = 2;
    std::uint8_t SeriesCount = 1;
    int GSSize = 30;
    int GSWidth = 300;  // mm

    // Operation and control.
    int OperatingFrom = 6;  // full hours 0..24
    int OperatingTo = 22;
    double DaysPerWeek = 6;
    int HeatingMonthFrom = 10;  // 1..12, 0 for none
    int HeatingMonthTo = 5;
    bool SupplyTempControl = true;
    double MaxSupplyTemp = 22;  // °C
    SummerOperation SummerMode = SummerOperation::TemperatureComparison;
    double SummerSwitchTemp = 22;  // °C

    // Economy.
    double Investment = 10000;  // currency
    double Lifetime = 15;       // years
    double InterestRate = 8;    // %
    double PriceElectric = 60;  // currency per MWh (UK/US: per MBTU)
    double PriceHeat = 35;
    double PriceCold = 20;
    double PriceWater = 4;   // currency per m³ (UK/US: per cu ft)
    double Maintenance = 3;  // % or amount per year, by MaintenanceMode
    double MaintenanceMode = CostMode::PercentOfInvestment;
    double Service = 3;
    double ServiceMode = CostMode::PercentOfInvestment;

    // Every field equal, numbers exactly.
    bool operator==(const CalcInputs&) const = default;
};
