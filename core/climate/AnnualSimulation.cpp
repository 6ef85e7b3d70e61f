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

// Monthly energies and the hours, water and maximum pressure drops of the
// year, summed point by point in the order of the walk over the days.
struct YearSums {
    std::array<double, 12> monthSensible{};
    std::array<double, 12> monthLatent{};
    double winterHours = 0;
    double summerHours = 0;
    double humidification = 0;
    double dehumidification = 0;
    double maxDpSupplyWinter = 0;
    double maxDpExtractWinter = 0;
    double maxDpSupplySummer = 0;
    double maxDpExtractSummer = 0;
};

// Adds one operating point of month `month` standing for `days` days.
void AddPoint(YearSums& sums, int month, HourMode mode, double days, const PointResult& r)
{
    const bool recovery = RecoversHeat(mode);
    sums.monthSensible[month - 1] += days * (recovery ? r.sensiblePower : 0);
    sums.monthLatent[month - 1] += days * (recovery ? r.latentPower : 0);
    if (mode == HourMode::WinterRecovery) {
        sums.humidification += r.moistureFlow * days;
        sums.winterHours += days;
    }
    if (mode == HourMode::SummerRecovery) {
        sums.dehumidification += r.moistureFlow * days;
        sums.summerHours += days;
    }
    if (IsWinterHour(mode)) {
        sums.maxDpSupplyWinter = std::max(sums.maxDpSupplyWinter, r.pressureDropSupply);
        sums.maxDpExtractWinter = std::max(sums.maxDpExtractWinter, r.pressureDropExtract);
    } else if (IsSummerHour(mode)) {
        sums.maxDpSupplySummer = std::max(sums.maxDpSupplySummer, r.pressureDropSupply);
        sums.maxDpExtractSummer = std::max(sums.maxDpExtractSummer, r.pressureDropExtract);
    }
}

// Monthly energies, hours and water scaled with the operating days per week.
void SetYearSums(AnnualResults& r, const YearSums& sums, double daysPerWeek)
{
    const double f = daysPerWeek / 7;
    for (int m = 0; m < Months; ++m) {
        r.MonthSensible[m] = f * sums.monthSensible[m];
        r.MonthLatent[m] = f * sums.monthLatent[m];
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

// The days of a typical year in the order of the walk: day type, then
// month; each stands for the days of its day type in its month and has one
// humidity ratio for all its hours.
class TypicalDays {
public:
    explicit TypicalDays(const ClimateYear& climate) : climate_(climate) {}

    std::size_t Count() const { return DayTypes * Months; }
    int Month(std::size_t day) const { return static_cast<int>(day % Months) + 1; }
    double Weight(std::size_t day) const { return climate_.Days(DayType(day), Month(day)); }
    double Temp(std::size_t day, int hour) const { return climate_.Temp(DayType(day), hour, Month(day)); }
    double HumRatio(std::size_t day, int) const { return climate_.HumRatio(DayType(day), Month(day)); }

    CoreMessage PointFailure(std::size_t day, int hour) const
    {
        return CoreMessage{TextId::None,
                           "The device calculation failed at day type %s, month %s, hour %s.",
                           {std::to_string(DayType(day)), std::to_string(Month(day)), std::to_string(hour)}};
    }

private:
    static int DayType(std::size_t day) { return static_cast<int>(day / Months) + 1; }
    const ClimateYear& climate_;
};

// The days of an actual weather year in calendar order, each standing for
// itself, every hour with its own humidity ratio.
class ActualDays {
public:
    explicit ActualDays(const WeatherYear& weather) : days_(weather.days) {}

    std::size_t Count() const { return days_.size(); }
    int Month(std::size_t day) const { return days_[day].month; }
    double Weight(std::size_t) const { return 1; }
    double Temp(std::size_t day, int hour) const { return days_[day].temp[hour - 1]; }
    double HumRatio(std::size_t day, int hour) const { return days_[day].humRatio[hour - 1]; }

    CoreMessage PointFailure(std::size_t day, int hour) const
    {
        return CoreMessage{TextId::WeatherYearPointFailure,
                           "The device calculation failed at month %s, day %s, hour %s.",
                           {std::to_string(days_[day].month), std::to_string(days_[day].day), std::to_string(hour)}};
    }

private:
    const std::vector<WeatherDay>& days_;
};

// Reports the share of the days done, 0 first and 99 after the last day,
// each percentage once.
class ProgressReport {
public:
    ProgressReport(const SimulationHooks& hooks, std::size_t days) : hooks_(hooks), days_(days) { Report(0); }

    void DayDone(std::size_t day) { Report(static_cast<int>((day + 1) * 99 / days_)); }

private:
    void Report(int percent)
    {
        if (hooks_.progress && percent != last_)
            hooks_.progress(percent);
        last_ = percent;
    }

    const SimulationHooks& hooks_;
    std::size_t days_;
    int last_ = -1;
};

// Simulates the days of `year` (TypicalDays or ActualDays) hour by hour and
// sums them up with the weight of each day. Every sum adds its points in the
// order of the days, so a typical year gives its results bit for bit as it
// always did.
template <class Days>
SimulationOutcome WalkYear(const CalcInputs& in, const Days& year, const SimulationHooks& hooks)
{
    if (const auto problem = CheckSimulationInputs(in))
        return *problem;

    AnnualResults r;
    r.MonthSeason = MonthSeasons(in.HeatingMonthFrom, in.HeatingMonthTo);
    r.HeatingMonths = static_cast<int>(std::count(r.MonthSeason.begin(), r.MonthSeason.end(), Season::Heating));
    r.SummerMonths = Months - r.HeatingMonths;

    SimulatedDevice device(in);
    YearSums sums;
    ProgressReport progress(hooks, year.Count());
    for (std::size_t d = 0; d < year.Count(); ++d) {
        const int m = year.Month(d);
        const bool heating = r.MonthSeason[m - 1] == Season::Heating;
        const double days = year.Weight(d);
        for (int h = 1; h <= Hours; ++h) {
            const double t = year.Temp(d, h);
            const double x = year.HumRatio(d, h);
            const HourMode mode = HourModeOf(in, heating, t, x, h);
            device.Prepare(heating, mode, t, x);
            PointResult result{};
            if (mode != HourMode::Off) {
                if (!device.Calculate())
                    return year.PointFailure(d, h);
                result = device.Result();
            }
            AddPoint(sums, m, mode, days, result);
            if (hooks.cancelled && hooks.cancelled())
                return SimulationCancelled{};
        }
        progress.DayDone(d);
    }

    SetYearSums(r, sums, in.DaysPerWeek);
    SetSeasonTotals(r, in.DeviceType == DeviceKind::Rotary);
    r.FanEnergy = FanEnergyOf(r, in);
    return r;
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
    return WalkYear(in, TypicalDays(climate), hooks);
}

SimulationOutcome SimulateYear(const CalcInputs& in, const WeatherYear& weather, const SimulationHooks& hooks)
{
    return WalkYear(in, ActualDays(weather), hooks);
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
