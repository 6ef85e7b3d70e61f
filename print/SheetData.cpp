// The snapshot a datasheet is drawn from.

#include "print/SheetData.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "core/devices/DeviceCodes.h"
#include "core/forms/DevicePageRules.h"
#include "core/forms/FieldFormats.h"
#include "core/settings/DisplayUnits.h"
#include "core/text/Catalogue.h"
#include "print/MakerData.h"

namespace {

// The summer control modes 1 … 3 by their texts; mode 4 (none) has none.
constexpr std::array<TextId, 3> SummerModeTexts = {TextId::TemperatureComparison, TextId::EnthalpyComparison,
                                                   TextId::SummerSwitchAt};

// The interest rate is printed with two decimals.
constexpr int InterestDecimals = 2;
// Foil thickness and wave height: fixed point, two decimals.
constexpr int ProfileDecimals = 2;
constexpr int ProfilePrecision = 15;

// The foil thickness by the first letter of a rotor profile and the wave
// height by its digits, in mm.
struct ProfileRow {
    const char* key;
    double millimetres;
};
constexpr std::array<ProfileRow, 4> FoilThicknesses = {{{"A", 0.12}, {"B", 0.10}, {"C", 0.08}, {"D", 0.07}}};
constexpr std::array<ProfileRow, 7> WaveHeights = {
    {{"29", 2.90}, {"25", 2.50}, {"19", 1.90}, {"17", 1.70}, {"16", 1.60}, {"15", 1.50}, {"14", 1.40}}};

// The row of the diameter on the sheet of a rotor and of the sorption rotor.
constexpr int RotorDiameterRow = 11;
constexpr int ZepraDiameterRow = 10;

// The maker's own sheets carry its name in front of every device heading.
std::string MakerPrefix()
{
    return std::string(MakerBrand) + " - ";
}

template <std::size_t N>
std::string ProfileValue(const std::array<ProfileRow, N>& table, const std::string& key,
                         const NumberSeparators& separators)
{
    const auto row = std::find_if(table.begin(), table.end(), [&](const ProfileRow& r) { return key == r.key; });
    if (row == table.end())
        return {};
    return FormatFloat(row->millimetres, FloatFormat::Fixed, ProfilePrecision, ProfileDecimals, separators);
}

void FillRotor(DeviceTexts& device, const CalcInputs& inputs, int language, const NumberSeparators& separators)
{
    device.diameter = std::to_string(inputs.WheelDiameter);
    if (IsSorptionRotorCode(inputs.RotorTypeCode)) {
        device.heading = MakerPrefix() + RotorItemCaption(ZepraRotorItem, language);
        device.diameterRow = ZepraDiameterRow;
        return;
    }
    device.heading = MakerPrefix() + CatalogueTextIn(language, TextId::RotaryExchanger);
    device.rotorType = RotorItemCaption(RotorItemOfCode(inputs.RotorTypeCode), language);
    device.diameterRow = RotorDiameterRow;
    device.profileLabels = HasLabelledProfile(inputs.RotorTypeCode);
    const std::string& profile = inputs.StorageMassCode;
    if (!profile.empty()) {
        device.foilThickness = ProfileValue(FoilThicknesses, profile.substr(0, 1), separators);
        device.waveHeight = ProfileValue(WaveHeights, profile.substr(1), separators);
    }
}

// The text of the plate distance as the device page lists it; empty when
// the edge has no such spacing.
std::string PlateDistanceText(const CalcInputs& inputs, const NumberSeparators& separators)
{
    const auto list = PlateDistanceList(inputs.PlateEdge, separators);
    const int item = PlateDistanceItemOfIndex(list, inputs.PlateSpacingCode);
    return item < 0 ? std::string() : list[static_cast<std::size_t>(item)].text;
}

void FillCrossFlow(DeviceTexts& device, const CalcInputs& inputs, int language, const NumberSeparators& separators)
{
    device.heading = MakerPrefix() + CatalogueTextIn(language, TextId::CrossflowPlate);
    device.plateSize = "PWT " + std::to_string(inputs.PlateEdge) + " / " + std::to_string(inputs.PlateWidth) + " -  " +
                       PlateDistanceText(inputs, separators);
    if (inputs.SeriesCount > 1)
        device.seriesText = std::to_string(inputs.SeriesCount) + " " + CatalogueTextIn(language, TextId::UnitsInSeries);
}

void FillCounterflow(DeviceTexts& device, const CalcInputs& inputs, int language)
{
    device.heading = MakerPrefix() + CatalogueTextIn(language, TextId::CounterflowPlate);
    device.plateSize = "GS " + std::to_string(inputs.GSSize) + " / " + std::to_string(inputs.GSWidth);
}

// A full hour as the operating time lists show it ("06:00").
std::string HourText24(int hour)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d:00", hour);
    return text;
}

bool IsMonth(int month)
{
    return month >= 1 && month <= 12;
}

// "<season> from <month> until <month>": the heating period when both its
// ends are set, otherwise the whole year in summer operation.
std::string SeasonText(const CalcInputs& inputs, int language)
{
    const auto text = [language](TextId id) { return CatalogueTextIn(language, id); };
    const bool heating = IsMonth(inputs.HeatingMonthFrom) && IsMonth(inputs.HeatingMonthTo);
    const int first = heating ? inputs.HeatingMonthFrom : 1;
    const int last = heating ? inputs.HeatingMonthTo : 12;
    return text(heating ? TextId::WinterOperation : TextId::SummerOperation) + " " + text(TextId::From) + " " +
           text(MonthName(first)) + " " + text(TextId::Until) + " " + text(MonthName(last));
}

DesignTexts DesignTextsOf(const CalcInputs& in, const SheetContext& context)
{
    using namespace FieldFormat;
    const NumberSeparators& s = context.separators;
    const auto text = [&](TextId id) { return CatalogueTextIn(context.language, id); };
    const auto volume = [&](double m3h) {
        return FormatField(ShownValue(DisplayQuantity::AirVolumeFlow, context.siUnits, m3h), VolumeDigits, s);
    };
    const auto temperature = [&](double celsius) {
        return FormatField(ShownValue(DisplayQuantity::Temperature, context.siUnits, celsius), TemperatureDigits, s);
    };
    const auto unit = [&](DisplayQuantity quantity) {
        return UnitLabelIn(context.language, quantity, context.siUnits);
    };
    const auto humidity = [&](double percent) { return FormatField(percent, HumidityDigits, s); };

    DesignTexts d;
    d.supplyVolWinter = volume(in.SupplyVolWinter);
    d.extractVolWinter = volume(in.ExtractVolWinter);
    d.extractTempWinter = temperature(in.ExtractTempWinter);
    d.extractHumWinter = humidity(in.ExtractHumWinter);
    const bool summer = in.SummerMode != SummerOperation::None;
    if (summer) {
        d.supplyVolSummer = volume(in.SupplyVolSummer);
        d.extractVolSummer = volume(in.ExtractVolSummer);
        d.extractTempSummer = temperature(in.ExtractTempSummer);
        d.extractHumSummer = humidity(in.ExtractHumSummer);
    }
    d.volumeUnit = unit(DisplayQuantity::AirVolumeFlow);
    d.temperatureUnit = unit(DisplayQuantity::Temperature);

    d.operatingTime = text(TextId::OperatingTime) + "  " + text(TextId::From) + " " + HourText24(in.OperatingFrom) +
                      " " + text(TextId::Hour) + " " + text(TextId::Until) + " " + HourText24(in.OperatingTo) + " " +
                      text(TextId::Hour);
    d.operatingDays = text(TextId::At) + " " + FormatField(in.DaysPerWeek, DaysDigits, s) + " " +
                      text(TextId::DaysPerWeek);
    d.season = SeasonText(in, context.language);
    if (in.SupplyTempControl)
        d.maxSupplyTemp = temperature(in.MaxSupplyTemp);
    const int summerMode = static_cast<int>(in.SummerMode);
    if (summerMode >= 1 && summerMode <= static_cast<int>(SummerModeTexts.size()))
        d.summerModeText = text(SummerModeTexts[static_cast<std::size_t>(summerMode - 1)]);
    if (in.SummerMode == SummerOperation::SwitchOverTemperature)
        d.summerSwitchTemp = temperature(in.SummerSwitchTemp);
    return d;
}

// A unit per year ("kWh/a") with the year of the sheet's language.
std::string WithYear(const std::string& unit, const std::string& year)
{
    return unit.substr(0, unit.find('/') + 1) + year;
}

EnergyResultsView EnergyTextsOf(const SheetData& data, const std::string& year)
{
    const SheetContext& context = data.context;
    EnergyResultsView view = EnergyResultsViewOf(data.annual, data.inputs, context.siUnits, context.separators);
    view.EnergyUnit = WithYear(view.EnergyUnit, year);
    view.WaterUnit = WithYear(view.WaterUnit, year);
    view.HoursUnit = WithYear(view.HoursUnit, year);
    if (!data.Rotary()) {
        view.Humidification.clear();
        view.Dehumidification.clear();
    }
    if (!data.HasSummerOperation()) {
        for (auto& row : view.Grid) {
            row[ResultsDisplay::ColdSensible].clear();
            row[ResultsDisplay::ColdLatent].clear();
        }
        view.SummerRecovery.clear();
        view.Dehumidification.clear();
        view.SummerHours.clear();
    }
    return view;
}

EconomyInputTexts EconomyInputTextsOf(const CalcInputs& in, const SheetContext& context, const std::string& water)
{
    using namespace FieldFormat;
    const NumberSeparators& s = context.separators;
    EconomyInputTexts e;
    e.priceElectric = FormatField(in.PriceElectric, PriceDigits, s);
    e.priceHeat = FormatField(in.PriceHeat, PriceDigits, s);
    e.priceCold = FormatField(in.PriceCold, PriceDigits, s);
    e.priceWater = FormatField(in.PriceWater, PriceDigits, s);
    e.energyPriceUnit = context.currency + "/" + UnitLabel(DisplayQuantity::PricedEnergy, context.siUnits);
    e.waterPriceUnit = context.currency + "/" + water;
    e.interestRate = FormatField(in.InterestRate, InterestDecimals, s);
    e.lifetime = FormatField(in.Lifetime, LifetimeDigits, s);
    return e;
}

}  // namespace

DeviceTexts DeviceTextsOf(const CalcInputs& inputs, int language, const NumberSeparators& separators)
{
    DeviceTexts device;
    switch (inputs.DeviceType) {
    case DeviceKind::Rotary:
        FillRotor(device, inputs, language, separators);
        break;
    case DeviceKind::CrossFlowPlate:
        FillCrossFlow(device, inputs, language, separators);
        break;
    case DeviceKind::CounterflowPlate:
        FillCounterflow(device, inputs, language);
        break;
    default:
        break;
    }
    return device;
}

SheetData MakeSheetData(const CalcInputs& inputs, const AnnualResults& annual,
                        const std::optional<EconomyResults>& economy, const SheetContext& context)
{
    SheetData data;
    data.inputs = inputs;
    data.annual = annual;
    data.economy = economy;
    data.context = context;

    const std::string year = CatalogueTextIn(context.language, TextId::YearUnit);
    data.device = DeviceTextsOf(inputs, context.language, context.separators);
    data.design = DesignTextsOf(inputs, context);
    data.energy = EnergyTextsOf(data, year);
    if (economy) {
        CostResultsView costs = CostResultsViewOf(*economy, inputs.DeviceType, context.currency, context.separators);
        costs.AmountUnit = context.currency + "/" + year;
        costs.PaybackUnit = year;
        data.costs = std::move(costs);
    }
    const std::string water = UnitLabelIn(context.language, DisplayQuantity::WaterVolume, context.siUnits);
    data.economyInputs = EconomyInputTextsOf(inputs, context, water);
    return data;
}
