#include "economy/Economy.h"

#include <cfenv>
#include <cfloat>
#include <cmath>
#include <iomanip>
#include <locale>
#include <sstream>
#include <string>

#include "thermo/FloatFault.h"

namespace {

// Extended precision of the calculation; the results are stored as double.
using Real = long double;

// kWh to kBTU, so that an energy in kWh divided by 1000 and multiplied by this
// factor is in MBTU, the unit of the UK/US energy prices.
constexpr Real KwhToKbtu = 3.412L;
// m³ to cu ft, the unit of the UK/US water price.
constexpr Real CubicMetreToCubicFoot = 35.315L;

std::string Show(double value)
{
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << std::setprecision(15) << value;
    return text.str();
}

CoreMessage Error(const char* englishText, const char* field, double value)
{
    return CoreMessage{0, englishText, {field, Show(value)}};
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
Real Rounded(Real amount) { return std::nearbyint(amount); }

// A cost mode is 1.0 or 2.0, the two radio buttons. Any other value cannot
// come from the page; it is a damaged input and is refused rather than read
// as an amount, which would give a wrong cost without a word.
bool IsCostMode(double mode) { return mode == CostMode::PercentOfInvestment || mode == CostMode::AmountPerYear; }

std::optional<CoreMessage> CheckInputs(const CalcInputs& in, const AnnualResults& annual)
{
    static constexpr const char* NotNegative =
        "The economy input %s must be a number of 0 or more; it is %s.";
    const struct {
        const char* field;
        double value;
    } amounts[] = {
        {"Investment", in.Investment},
        {"InterestRate", in.InterestRate},
        {"PriceElectric", in.PriceElectric},
        {"PriceHeat", in.PriceHeat},
        {"PriceCold", in.PriceCold},
        {"PriceWater", in.PriceWater},
        {"Maintenance", in.Maintenance},
        {"Service", in.Service},
    };
    for (const auto& amount : amounts)
        if (!std::isfinite(amount.value) || amount.value < 0)
            return Error(NotNegative, amount.field, amount.value);
    // The annuity divides by the service life.
    if (!std::isfinite(in.Lifetime) || in.Lifetime <= 0)
        return Error("The economy input %s must be a number of years above 0; it is %s.", "Lifetime", in.Lifetime);
    static constexpr const char* BadMode =
        "The economy input %s must be 1 (percent of the investment) or 2 (amount per year); it is %s.";
    if (!IsCostMode(in.MaintenanceMode))
        return Error(BadMode, "MaintenanceMode", in.MaintenanceMode);
    if (!IsCostMode(in.ServiceMode))
        return Error(BadMode, "ServiceMode", in.ServiceMode);
    if (in.DeviceType == DeviceKind::Rotary && in.DrivePower < 0)
        return Error("The device input %s must be 0 W or more; it is %s.", "DrivePower", in.DrivePower);

    const struct {
        const char* field;
        double value;
    } energies[] = {
        {"FanEnergy", annual.FanEnergy},
        {"WinterHours", annual.WinterHours},
        {"SummerHours", annual.SummerHours},
        {"WinterSensible", annual.WinterSensible},
        {"WinterLatent", annual.WinterLatent},
        {"Humidification", annual.Humidification},
        {"SummerSensible", annual.SummerSensible},
        {"SummerLatent", annual.SummerLatent},
    };
    for (const auto& energy : energies)
        if (!std::isfinite(energy.value))
            return Error("The annual result %s is not a finite number; it is %s.", energy.field, energy.value);
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

    const Real e = siUnits ? 1 : KwhToKbtu;
    const Real w = siUnits ? 1 : CubicMetreToCubicFoot;
    const Real investment = in.Investment;
    const Real i = static_cast<Real>(in.InterestRate) / 100;
    const Real n = in.Lifetime;
    const Real priceElectric = in.PriceElectric;

    EconomyResults r;
    r.Investment = in.Investment;

    // Costs. K sums the amounts each rounded to whole currency units.
    const Real capital = AnnuityFactor(i, n) * investment;
    Real k = Rounded(capital);
    const Real maintenance = in.MaintenanceMode == CostMode::PercentOfInvestment
                                 ? investment * in.Maintenance / 100
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
        double value;
    } lines[] = {
        {"CapitalCost", r.CapitalCost},
        {"MaintenanceCost", r.MaintenanceCost},
        {"ServiceCost", r.ServiceCost},
        {"FanEnergyCost", r.FanEnergyCost},
        {"DriveEnergyCost", r.DriveEnergyCost.value_or(0)},
        {"TotalAnnualCosts", r.TotalAnnualCosts},
        {"HeatSavings", r.HeatSavings},
        {"WaterSavings", r.WaterSavings},
        {"CoolingSavings", r.CoolingSavings},
        {"OperatingSavings", r.OperatingSavings},
        {"InterestGain", r.InterestGain},
        {"AnnualSavings", r.AnnualSavings},
        {"BenefitCostFactor", r.BenefitCostFactor.value_or(0)},
    };
    for (const auto& line : lines)
        if (!std::isfinite(line.value))
            return CoreMessage{0, "The economy result %s is too large to compute; check the economy inputs.",
                               {line.field}};
    return r;
}
