// The annual simulation: the device at every hour of every typical day.

#include "core/climate/AnnualSimulation.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/climate/ClimateZones.h"
#include "core/climate/SimulatedDevice.h"
#include "core/devices/DeviceCodes.h"
#include "core/thermo/MoistAirProperties.h"

namespace {

constexpr int DayTypes = 3;
constexpr int Months = 12;
constexpr int Hours = 24;
constexpr long double DaysPerMonth = 365.0L / 12;
constexpr double FanEfficiency = 0.75;

CoreMessage InputError(const std::string& text)
{
    return CoreMessage{TextId::None, text, {}};
}

bool InRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

// The per-point results of a year, in the layout of the climate year.
struct YearOfPoints {
    std::array<double, 864> sensible{};
    std::array<double, 864> latent{};
};

// Hours, water and maximum pressure drops, summed point by point.
struct RunningSums {
    double winterHours = 0;
    double summerHours = 0;
    double humidification = 0;
    double dehumidification = 0;
    double maxDpSupplyWinter = 0;
    double maxDpExtractWinter = 0;
    double maxDpSupplySummer = 0;
    double maxDpExtractSummer = 0;
};

void AddPoint(RunningSums& sums, YearOfPoints& points, std::size_t index, HourMode mode, double days,
              const PointResult& r)
{
    const bool recovery = RecoversHeat(mode);
    points.sensible[index] = recovery ? r.sensiblePower : 0;
    points.latent[index] = recovery ? r.latentPower : 0;
    if (mode == HourMode::WinterRecovery)
        sums.humidification += r.moistureFlow * days;
    if (mode == HourMode::SummerRecovery)
        sums.dehumidification += r.moistureFlow * days;
    if (IsWinterHour(mode)) {
        sums.maxDpSupplyWinter = std::max(sums.maxDpSupplyWinter, r.pressureDropSupply);
        sums.maxDpExtractWinter = std::max(sums.maxDpExtractWinter, r.pressureDropExtract);
    } else if (IsSummerHour(mode)) {
        sums.maxDpSupplySummer = std::max(sums.maxDpSupplySummer, r.pressureDropSupply);
        sums.maxDpExtractSummer = std::max(sums.maxDpExtractSummer, r.pressureDropExtract);
    }
}

// Monthly energies weighted with the days of each day type and the
// operating days per week; hours and water scaled the same way.
void SetMonthlyEnergies(AnnualResults& r, const ClimateYear& climate, const YearOfPoints& points,
                        const RunningSums& sums, double daysPerWeek)
{
    const double f = daysPerWeek / 7;
    for (int m = 1; m <= Months; ++m) {
        double sensible = 0;
        double latent = 0;
        for (int k = 1; k <= DayTypes; ++k) {
            for (int h = 1; h <= Hours; ++h) {
                const std::size_t i = ClimateYear::TempIndex(k, h, m);
                sensible += climate.Days(k, m) * points.sensible[i];
                latent += climate.Days(k, m) * points.latent[i];
            }
        }
        r.MonthSensible[m - 1] = f * sensible;
        r.MonthLatent[m - 1] = f * latent;
    }
    r.WinterHours = sums.winterHours * f;
    r.SummerHours = sums.summerHours * f;
    r.Humidification = sums.humidification * f;
    r.Dehumidification = sums.dehumidification * f;
    r.MaxDpSupplyWinter = sums.maxDpSupplyWinter;
    r.MaxDpExtractWinter = sums.maxDpExtractWinter;
    r.MaxDpSupplySummer = sums.maxDpSupplySummer;
    r.MaxDpExtractSummer = sums.maxDpExtractSummer;
}

// Season totals and the range of the monthly chart. Summer values count as
// cold recovered: the negated monthly values.
void SetSeasonTotals(AnnualResults& r, bool rotary)
{
    r.ChartMax = 0;
    r.ChartMin = 0;
    for (int m = 0; m < Months; ++m) {
        const bool heating = r.MonthSeason[m] == Season::Heating;
        const double sensible = heating ? r.MonthSensible[m] : -r.MonthSensible[m];
        const double latent = heating ? r.MonthLatent[m] : -r.MonthLatent[m];
        if (heating) {
            r.WinterSensible += sensible;
            if (rotary)
                r.WinterLatent += latent;
        } else {
            r.SummerSensible += sensible;
            if (rotary)
                r.SummerLatent += latent;
        }
        r.ChartMax = std::max(r.ChartMax, std::max(sensible, 0.0) + std::max(latent, 0.0));
        r.ChartMin = std::min(r.ChartMin, std::min(sensible, 0.0) + std::min(latent, 0.0));
    }
}

// Hours of operation per day; every hour runs when from = to.
int DailyOperatingHours(int from, int to)
{
    if (from == to)
        return Hours;
    return from < to ? to - from : to + Hours - from;
}

// Additional fan energy in kWh/a from the largest pressure drops of each season.
double FanEnergyOf(const AnnualResults& r, const CalcInputs& in)
{
    const long double hours = DailyOperatingHours(in.OperatingFrom, in.OperatingTo);
    const long double perMonth = DaysPerMonth * in.DaysPerWeek / 7 * hours;
    const long double winter = r.HeatingMonths * perMonth *
                               (r.MaxDpSupplyWinter * in.SupplyVolWinter + r.MaxDpExtractWinter * in.ExtractVolWinter);
    const long double summer = r.SummerMonths * perMonth *
                               (r.MaxDpSupplySummer * in.SupplyVolSummer + r.MaxDpExtractSummer * in.ExtractVolSummer);
    return static_cast<double>((winter + summer) / 3600 / 1000 / FanEfficiency);
}

CoreMessage PointFailure(int dayType, int month, int hour)
{
    return CoreMessage{TextId::None,
                       "The device calculation failed at day type %s, month %s, hour %s.",
                       {std::to_string(dayType), std::to_string(month), std::to_string(hour)}};
}

}  // namespace

std::array<int, 12> MonthSeasons(int from, int to)
{
    std::array<int, 12> seasons{};
    for (int m = 1; m <= Months; ++m) {
        bool heating = false;
        if (from > 0 && to > 0)
            heating = from > to ? (m >= from || m <= to) : (m >= from && m <= to);
        seasons[m - 1] = heating ? Season::Heating : Season::Summer;
    }
    return seasons;
}

bool IsOperatingHour(int from, int to, int hour)
{
    if (to > from)
        return hour >= from + 1 && hour <= to;
    if (to < from)
        return !(hour < from + 1 && hour > to);
    return true;
}

HourMode HourModeOf(const CalcInputs& in, bool heatingMonth, double outdoorTemp, double outdoorHumRatio, int hour)
{
    if (!IsOperatingHour(in.OperatingFrom, in.OperatingTo, hour))
        return HourMode::Off;
    if (heatingMonth) {
        if (in.SupplyTempControl && outdoorTemp > in.MaxSupplyTemp)
            return HourMode::WinterNoRecovery;
        return HourMode::WinterRecovery;
    }
    bool recover = true;
    switch (in.SummerMode) {
    case SummerOperation::TemperatureComparison:
        recover = outdoorTemp > in.ExtractTempSummer;
        break;
    case SummerOperation::EnthalpyComparison: {
        const double p = in.AirPressure;
        const double outdoor = EnthalpyOf(outdoorTemp, outdoorHumRatio, p);
        const double xExtract = HumRatioOf(in.ExtractTempSummer, in.ExtractHumSummer, p);
        const double extract = EnthalpyOf(in.ExtractTempSummer, xExtract, p);
        recover = extract < outdoor;
        break;
    }
    case SummerOperation::SwitchOverTemperature:
        recover = outdoorTemp > in.SummerSwitchTemp;
        break;
    case SummerOperation::None:
        recover = false;
        break;
    }
    return recover ? HourMode::SummerRecovery : HourMode::SummerNoRecovery;
}

std::optional<CoreMessage> CheckSimulationInputs(const CalcInputs& in)
{
    const double numbers[] = {in.AirPressure,      in.SupplyVolWinter, in.ExtractVolWinter, in.ExtractTempWinter,
                              in.ExtractHumWinter, in.SupplyVolSummer, in.ExtractVolSummer, in.ExtractTempSummer,
                              in.ExtractHumSummer, in.DaysPerWeek,     in.MaxSupplyTemp,    in.SummerSwitchTemp};
    if (!std::all_of(std::begin(numbers), std::end(numbers), [](double x) { return std::isfinite(x); }))
        return InputError("An input of the calculation is not a number.");
    if (!InRange(in.ClimateZone, 1, 9))
        return InputError("The climate zone must be 1 to 9.");
    if (!InRange(static_cast<int>(in.DeviceType), 1, 3))
        return InputError("The device type must be 1 (rotary), 2 (cross-flow plate) or 3 (counterflow plate).");
    if (in.DeviceType == DeviceKind::Rotary && PositionOf(CalculatedRotorCodes, in.RotorTypeCode) < 0)
        return InputError("The rotor type code must be 1 to 6 or 10.");
    if (!InRange(in.OperatingFrom, 0, 24) || !InRange(in.OperatingTo, 0, 24))
        return InputError("The operating time must lie between 0 and 24 hours.");
    if (!InRange(in.HeatingMonthFrom, 0, 12) || !InRange(in.HeatingMonthTo, 0, 12))
        return InputError("The heating months must be 1 to 12, or 0 for none.");
    if (!InRange(static_cast<int>(in.SummerMode), 1, 4))
        return InputError("The summer operation must be 1 to 4.");
    if (in.DaysPerWeek < 0 || in.DaysPerWeek > 7)
        return InputError("The operating days per week must lie between 0 and 7.");
    if (!(in.AirPressure > 0))
        return InputError("The air pressure must be greater than 0 mbar.");
    return std::nullopt;
}

SimulationOutcome SimulateYear(const CalcInputs& in, const ClimateYear& climate, const SimulationHooks& hooks)
{
    if (const auto problem = CheckSimulationInputs(in))
        return *problem;

    AnnualResults r;
    r.MonthSeason = MonthSeasons(in.HeatingMonthFrom, in.HeatingMonthTo);
    r.HeatingMonths = static_cast<int>(std::count(r.MonthSeason.begin(), r.MonthSeason.end(), Season::Heating));
    r.SummerMonths = Months - r.HeatingMonths;

    SimulatedDevice device(in);
    YearOfPoints points;
    RunningSums sums;
    if (hooks.progress)
        hooks.progress(0);
    for (int k = 1; k <= DayTypes; ++k) {
        for (int m = 1; m <= Months; ++m) {
            const bool heating = r.MonthSeason[m - 1] == Season::Heating;
            const double days = climate.Days(k, m);
            const double x = climate.HumRatio(k, m);
            for (int h = 1; h <= Hours; ++h) {
                const double t = climate.Temp(k, h, m);
                const HourMode mode = HourModeOf(in, heating, t, x, h);
                device.Prepare(heating, mode, t, x);
                PointResult result{};
                if (mode != HourMode::Off) {
                    if (!device.Calculate())
                        return PointFailure(k, m, h);
                    result = device.Result();
                }
                AddPoint(sums, points, ClimateYear::TempIndex(k, h, m), mode, days, result);
                if (mode == HourMode::WinterRecovery)
                    sums.winterHours += days;
                if (mode == HourMode::SummerRecovery)
                    sums.summerHours += days;
                if (hooks.cancelled && hooks.cancelled())
                    return SimulationCancelled{};
            }
            if (hooks.progress)
                hooks.progress((k - 1) * 33 + m * 33 / 12);
        }
    }

    SetMonthlyEnergies(r, climate, points, sums, in.DaysPerWeek);
    SetSeasonTotals(r, in.DeviceType == DeviceKind::Rotary);
    r.FanEnergy = FanEnergyOf(r, in);
    return r;
}

SimulationOutcome RunAnnualSimulation(const CalcInputs& inputs, const ClimateFileLists& climateFiles,
                                      const SimulationHooks& hooks)
{
    if (const auto problem = CheckSimulationInputs(inputs))
        return *problem;
    const Outcome<ClimateYear> climate = LoadClimateZone(climateFiles, inputs.ClimateZone);
    if (!climate.ok())
        return climate.message();
    return SimulateYear(inputs, climate.value(), hooks);
}
