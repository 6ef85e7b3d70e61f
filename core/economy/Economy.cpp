// The economy of the heat recovery by the annuity method.

#include "core/economy/Economy.h"

#include <cfenv>
#include <cfloat>
#include <cmath>
#include <string>
#include <utility>

#include "core/settings/DisplayUnits.h"
#include "core/text/Catalogue.h"
#include "core/text/NumberFormat.h"
#include "core/thermo/FloatFault.h"

namespace {

// The English texts of the messages, as in the catalogue.
namespace EconomyEnglish {
constexpr const char* NotNegative = "Please enter a number of 0 or more for \"%s\" (entered: %s).";
constexpr const char* YearsAboveZero = "Please enter a number of years above 0 for \"%s\" (entered: %s).";
constexpr const char* CostMode =
    "\"%s\": the costs must be a percentage of the investment or an amount per year (found: %s).";
constexpr const char* AnnualResultsUnusable =
    "The annual energy results are not usable numbers; the economy cannot be calculated. Please calculate again.";
constexpr const char* ResultTooLarge = "The result \"%s\" is too large to calculate; please check the economy inputs.";
}  // namespace EconomyEnglish

// Extended precision of the calculation; the results are stored as double.
using Real = long double;

// An energy in kWh divided by 1000 and multiplied by KbtuPerKwhExtended is in
// MBTU, the unit of the UK/US energy prices; water in m³ multiplied by
// CubicFeetPerCubicMetreExtended is in cu ft, the unit of the UK/US water price.

// A value as the message shows it: C's "%g" with the program's decimal
// separator.
std::string Shown(double value)
{
    const double values[] = {value};
    return FormatWithG("%g", values, ProgramSeparators());
}

// The label of a field as the page shows it in the user's language: one
// catalogue text, or two joined (a result line under its heading).
std::string Label(TextId text, TextId continuation = TextId::None)
{
    std::string label = CatalogueText(text);
    if (continuation != TextId::None)
        label += CatalogueText(continuation);
    return label;
}

// A refused input or result: the catalogue text `text` (its English text
// `englishText`) with the label of the page in the user's language, and for
// an input the value. The English text of the command line also names the
// field of the input record, as in the files it reads; the catalogue text
// does not.
CoreMessage Error(TextId text, const char* englishText, std::string label, const char* field,
                  std::optional<double> value = std::nullopt)
{
    CoreMessage message{text, std::string(englishText) + " (field " + field + ")", {std::move(label)}};
    if (value)
        message.arguments.push_back(Shown(*value));
    return message;
}

// The amounts of the sums are rounded with nearbyint, which follows the
// current rounding mode. This holds round-to-nearest (ties to even) for the
// whole calculation and gives the caller back its own mode afterwards, so
// neither the sums nor the arithmetic depend on the caller's state.
class NearestRounding {
public:
    NearestRounding() : saved_(std::fegetround())
    {
        if (saved_ != FE_TONEAREST)
            std::fesetround(FE_TONEAREST);
    }
    ~NearestRounding()
    {
        if (saved_ != FE_TONEAREST)
            std::fesetround(saved_);
    }
    NearestRounding(const NearestRounding&) = delete;
    NearestRounding& operator=(const NearestRounding&) = delete;

private:
    int saved_;
};

// The amount as it enters K and S: the nearest whole number, ties to even
// (2.5 → 2, 3.5 → 4), in the round-to-nearest mode held by NearestRounding.
Real Rounded(Real amount)
{
    return std::nearbyint(amount);
}

// A cost mode is 1.0 or 2.0, the two radio buttons. Any other value cannot
// come from the page; it is a damaged input and is refused rather than read
// as an amount, which would give a wrong cost without a word.
bool IsCostMode(double mode)
{
    return mode == CostMode::PercentOfInvestment || mode == CostMode::AmountPerYear;
}

std::optional<CoreMessage> CheckInputs(const CalcInputs& in, const AnnualResults& annual)
{
    const struct {
        const char* field;
        TextId label;
        double value;
    } amounts[] = {
        {"Investment", TextId::InvestmentCost, in.Investment},
        {"InterestRate", TextId::InterestRate, in.InterestRate},
        {"PriceElectric", TextId::ElectricityPrice, in.PriceElectric},
        {"PriceHeat", TextId::HeatPrice, in.PriceHeat},
        {"PriceCold", TextId::ColdPrice, in.PriceCold},
        {"PriceWater", TextId::WaterPrice, in.PriceWater},
        {"Maintenance", TextId::MaintenanceCosts, in.Maintenance},
        {"Service", TextId::ServiceCosts, in.Service},
    };
    for (const auto& amount : amounts)
        if (!std::isfinite(amount.value) || amount.value < 0)
            return Error(TextId::NumberNotNegative, EconomyEnglish::NotNegative, Label(amount.label), amount.field,
                         amount.value);
    // The annuity divides by the service life.
    if (!std::isfinite(in.Lifetime) || in.Lifetime <= 0)
        return Error(TextId::YearsAboveZero, EconomyEnglish::YearsAboveZero, Label(TextId::ServiceLife), "Lifetime",
                     in.Lifetime);
    if (!IsCostMode(in.MaintenanceMode))
        return Error(TextId::CostsPercentOrAmount, EconomyEnglish::CostMode, Label(TextId::MaintenanceCosts),
                     "MaintenanceMode", in.MaintenanceMode);
    if (!IsCostMode(in.ServiceMode))
        return Error(TextId::CostsPercentOrAmount, EconomyEnglish::CostMode, Label(TextId::ServiceCosts), "ServiceMode",
                     in.ServiceMode);
    if (in.DeviceType == DeviceKind::Rotary && in.DrivePower < 0)
        return Error(TextId::NumberNotNegative, EconomyEnglish::NotNegative, Label(TextId::MotorPower), "DrivePower",
                     in.DrivePower);

    const struct {
        const char* field;
        double value;
    } energies[] = {
        {"FanEnergy", annual.FanEnergy},           {"WinterHours", annual.WinterHours},
        {"SummerHours", annual.SummerHours},       {"WinterSensible", annual.WinterSensible},
        {"WinterLatent", annual.WinterLatent},     {"Humidification", annual.Humidification},
        {"SummerSensible", annual.SummerSensible}, {"SummerLatent", annual.SummerLatent},
    };
    // The annual results come from the calculation, not from the user: no
    // label of the page belongs to them.
    for (const auto& energy : energies)
        if (!std::isfinite(energy.value))
            return CoreMessage{TextId::EnergyResultsUnusable,
                               std::string(EconomyEnglish::AnnualResultsUnusable) + " (field " + energy.field + ")",
                               {}};
    return std::nullopt;
}

// Capital recovery factor qⁿ·i/(qⁿ − 1) with q = 1 + i, evaluated as the equal
// i/(1 − q⁻ⁿ): qⁿ overflows for long service lives at high rates, and 1 + i
// drops the low digits of a small rate. At i = 0 the factor is its limit 1/n,
// the investment spread evenly over the service life.
Real AnnuityFactor(Real i, Real n)
{
    if (i == 0)
        return 1 / n;
    return i / -std::expm1(-n * std::log1p(i));
}

// Years until the savings S, with interest at rate i, have repaid the
// investment I: ln(S/(S − I·i)) / ln(1 + i), at i = 0 its limit I/S. Only
// savings above the interest on the investment ever repay it; for S ≤ I·i,
// and for S ≤ 0 where the logarithm would give a negative time, there is no
// payback time. With I = 0 and S > 0 the time is 0: nothing is to be repaid.
std::optional<double> PaybackTime(Real savings, Real investment, Real i)
{
    if (!(savings > 0) || !(savings > investment * i))
        return std::nullopt;
    Real years = 0;
    if (i == 0) {
        years = investment / savings;
    } else {
        // S/(S − I·i) = 1/(1 − x) with x = I·i/S in [0, 1).
        const Real x = investment * i / savings;
        if (!(x < 1))
            return std::nullopt;  // S exceeds I·i by less than the precision: no finite time
        years = -std::log1p(-x) / std::log1p(i);
    }
    if (!(years <= DBL_MAX))
        return std::nullopt;
    return static_cast<double>(years);
}

}  // namespace

Outcome<EconomyResults> CalculateEconomy(const CalcInputs& in, const AnnualResults& annual, bool siUnits)
{
    if (auto error = CheckInputs(in, annual))
        return *error;

    NearestRounding rounding;
    FpFaultScope keepCallerFlags;

    const Real e = siUnits ? 1 : KbtuPerKwhExtended;
    const Real w = siUnits ? 1 : CubicFeetPerCubicMetreExtended;
    const Real investment = in.Investment;
    const Real i = static_cast<Real>(in.InterestRate) / 100;
    const Real n = in.Lifetime;
    const Real priceElectric = in.PriceElectric;

    EconomyResults r;
    r.Investment = in.Investment;

    // Costs. K sums the amounts each rounded to whole currency units.
    const Real capital = AnnuityFactor(i, n) * investment;
    Real k = Rounded(capital);
    const Real maintenance = in.MaintenanceMode == CostMode::PercentOfInvestment ? investment * in.Maintenance / 100
                                                                                 : static_cast<Real>(in.Maintenance);
    k += Rounded(maintenance);
    const Real service = in.ServiceMode == CostMode::PercentOfInvestment ? investment * in.Service / 100
                                                                         : static_cast<Real>(in.Service);
    k += Rounded(service);
    const Real fan = annual.FanEnergy * priceElectric / 1000 * e;
    k += Rounded(fan);
    if (in.DeviceType == DeviceKind::Rotary) {
        // DrivePower in W over the hours of heat and cold recovery: W·h / 1000 / 1000 = MWh.
        const Real drive = (static_cast<Real>(annual.WinterHours) + annual.SummerHours) *
                           (static_cast<Real>(in.DrivePower) * priceElectric / 1000 / 1000) * e;
        k += Rounded(drive);
        r.DriveEnergyCost = static_cast<double>(drive);
    }
    r.CapitalCost = static_cast<double>(capital);
    r.MaintenanceCost = static_cast<double>(maintenance);
    r.ServiceCost = static_cast<double>(service);
    r.FanEnergyCost = static_cast<double>(fan);
    r.TotalAnnualCosts = static_cast<double>(k);

    // Savings. Humidification is in kg of water, 1000 kg to the m³. The water
    // removed in summer is not valued.
    const Real heat = (static_cast<Real>(annual.WinterSensible) + annual.WinterLatent) * in.PriceHeat / 1000 * e;
    Real s = Rounded(heat);
    const Real water = static_cast<Real>(annual.Humidification) * in.PriceWater / 1000 * w;
    s += Rounded(water);
    const Real cooling = (static_cast<Real>(annual.SummerSensible) + annual.SummerLatent) * in.PriceCold / 1000 * e;
    s += Rounded(cooling);
    r.HeatSavings = static_cast<double>(heat);
    r.WaterSavings = static_cast<double>(water);
    r.CoolingSavings = static_cast<double>(cooling);
    r.OperatingSavings = static_cast<double>(s);
    const Real interest = s * in.InterestRate / 100;
    s += Rounded(interest);
    r.InterestGain = static_cast<double>(interest);
    r.AnnualSavings = static_cast<double>(s);

    if (k != 0)
        r.BenefitCostFactor = static_cast<double>(s / k);
    r.PaybackTime = PaybackTime(s, investment, i);

    // With finite inputs the extended arithmetic cannot overflow; only a
    // result beyond the range of double can. Name the first such line. The
    // fault scope keeps the overflow flag of that conversion from the caller.
    const struct {
        const char* field;
        TextId label;
        TextId continuation;
        double value;
    } lines[] = {
        {"CapitalCost", TextId::CapitalCost, TextId::None, r.CapitalCost},
        {"MaintenanceCost", TextId::MaintenanceCosts, TextId::None, r.MaintenanceCost},
        {"ServiceCost", TextId::ServiceCosts, TextId::None, r.ServiceCost},
        {"FanEnergyCost", TextId::EnergyConsumption, TextId::ByPressureLoss, r.FanEnergyCost},
        {"DriveEnergyCost", TextId::EnergyConsumption, TextId::ByDriveMotor, r.DriveEnergyCost.value_or(0)},
        {"TotalAnnualCosts", TextId::TotalAnnualCosts, TextId::None, r.TotalAnnualCosts},
        {"HeatSavings", TextId::HeatingCostSavings, TextId::None, r.HeatSavings},
        {"WaterSavings", TextId::WaterCostSavings, TextId::None, r.WaterSavings},
        {"CoolingSavings", TextId::CoolingCostSavings, TextId::None, r.CoolingSavings},
        {"OperatingSavings", TextId::OperatingCostSavings, TextId::None, r.OperatingSavings},
        {"InterestGain", TextId::InterestOnSavings, TextId::None, r.InterestGain},
        {"AnnualSavings", TextId::AnnualOperatingSavings, TextId::None, r.AnnualSavings},
        {"BenefitCostFactor", TextId::BenefitCostFactor, TextId::None, r.BenefitCostFactor.value_or(0)},
    };
    for (const auto& line : lines)
        if (!std::isfinite(line.value))
            return Error(TextId::ResultTooLarge, EconomyEnglish::ResultTooLarge, Label(line.label, line.continuation),
                         line.field);
    return r;
}
