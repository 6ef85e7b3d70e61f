// The economy by the annuity method: costs, savings, their rounded sums, the
// payback time, and the refusal of inputs that have no economy.

#include <cfenv>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/economy/Economy.h"
#include "core/forms/InputChecks.h"
#include "core/text/Catalogue.h"

namespace {

// Every cost and saving off, so each case switches on only what it checks.
CalcInputs Quiet(double investment = 10000, double lifetime = 10, double rate = 8)
{
    CalcInputs in;
    in.Investment = investment, in.Lifetime = lifetime, in.InterestRate = rate;
    in.PriceElectric = in.PriceHeat = in.PriceCold = in.PriceWater = 0;
    in.Maintenance = in.Service = 0;
    in.MaintenanceMode = in.ServiceMode = CostMode::AmountPerYear;
    in.DrivePower = 0;
    return in;
}

EconomyResults Economy(const CalcInputs& in, const AnnualResults& annual = {}, bool si = true)
{
    const auto outcome = CalculateEconomy(in, annual, si);
    if (!outcome.ok())
        ADD_FAILURE() << outcome.message().Text();
    return outcome.ok() ? outcome.value() : EconomyResults{};
}

TEST(EconomyCosts, AnnuityMaintenanceServiceAndDrive)
{
    const struct {
        double investment, lifetime, rate, factor;
    } annuities[] = {{10000, 10, 8, 0.149029488697075},
                     {10000, 10, 0, 0.1},
                     {10000, 1, 8, 1.08},
                     {10000, 10, 1e-12, 0.1},  // 1 + i would lose the rate's digits
                     {10000, 1e6, 100, 1.0}};  // qⁿ far beyond the range of numbers
    for (const auto& a : annuities) {
        SCOPED_TRACE(testing::Message() << "n " << a.lifetime << ", p " << a.rate);
        const EconomyResults r = Economy(Quiet(a.investment, a.lifetime, a.rate));
        EXPECT_NEAR(r.CapitalCost / a.investment, a.factor, 1e-14);
        EXPECT_EQ(r.TotalAnnualCosts, std::nearbyint(r.CapitalCost));
    }
    CalcInputs in = Quiet();
    in.Maintenance = in.Service = 2;
    in.MaintenanceMode = CostMode::PercentOfInvestment;
    in.PriceElectric = 60, in.DrivePower = 180;
    AnnualResults annual;
    annual.WinterHours = 4000, annual.SummerHours = 1000;
    for (const DeviceKind device : {DeviceKind::Rotary, DeviceKind::CrossFlowPlate, DeviceKind::CounterflowPlate}) {
        SCOPED_TRACE(static_cast<int>(device));
        in.DeviceType = device;
        const EconomyResults r = Economy(in, annual);
        EXPECT_EQ(r.MaintenanceCost, 200);
        EXPECT_EQ(r.ServiceCost, 2);
        EXPECT_EQ(r.DriveEnergyCost.has_value(), device == DeviceKind::Rotary);
        EXPECT_NEAR(r.DriveEnergyCost.value_or(54), 54, 1e-12);  // 5000 h × 180 W at 60 per MWh
        EXPECT_EQ(r.TotalAnnualCosts, 1490 + 200 + 2 + (device == DeviceKind::Rotary ? 54 : 0));
    }
}

TEST(EconomySums, RoundTiesToEvenWhateverTheCallersMode)
{
    const struct {
        double maintenance, service, heat, k, s;
    } rows[] = {{2.5, 3.5, 2.5, 6, 2}, {0.5, 1.5, 3.5, 2, 4}, {2.4999, 2.5001, 0.5, 5, 0}};
    for (const int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD})
        for (const auto& row : rows) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << ", " << row.maintenance << " + " << row.service);
            CalcInputs in = Quiet(0, 10, 0);
            in.Maintenance = row.maintenance, in.Service = row.service, in.PriceHeat = 1;
            AnnualResults annual;
            annual.WinterSensible = row.heat * 1000;
            std::fesetround(mode);
            const EconomyResults r = Economy(in, annual);
            EXPECT_EQ(std::fegetround(), mode);
            std::fesetround(FE_TONEAREST);
            EXPECT_EQ(r.TotalAnnualCosts, row.k);
            EXPECT_EQ(r.AnnualSavings, row.s);
            EXPECT_EQ(r.MaintenanceCost, row.maintenance) << "single lines stay unrounded";
        }
}

TEST(EconomySums, SavingsInSiAndImperialUnits)
{
    CalcInputs in = Quiet();
    in.PriceElectric = 60, in.PriceHeat = 35, in.PriceWater = 4, in.PriceCold = 20;
    AnnualResults annual;
    annual.FanEnergy = 10000, annual.WinterSensible = 30000, annual.WinterLatent = 5000;
    annual.Humidification = 12345, annual.SummerSensible = 8000, annual.SummerLatent = 2000;
    for (const bool si : {true, false}) {
        SCOPED_TRACE(si ? "SI" : "UK/US");
        const double e = si ? 1 : 3.412, w = si ? 1 : 35.315;
        const EconomyResults r = Economy(in, annual, si);
        EXPECT_NEAR(r.FanEnergyCost, 600 * e, 1e-9);
        EXPECT_NEAR(r.HeatSavings, 1225 * e, 1e-9);
        EXPECT_NEAR(r.WaterSavings, 49.38 * w, 1e-9);
        EXPECT_NEAR(r.CoolingSavings, 200 * e, 1e-9);
        const double op = std::nearbyint(1225 * e) + std::nearbyint(49.38 * w) + std::nearbyint(200 * e);
        EXPECT_EQ(r.OperatingSavings, op);
        EXPECT_DOUBLE_EQ(r.InterestGain, op * 0.08);
        EXPECT_EQ(r.AnnualSavings, op + std::nearbyint(op * 0.08));
        EXPECT_DOUBLE_EQ(*r.BenefitCostFactor, r.AnnualSavings / r.TotalAnnualCosts);
    }
}

TEST(EconomyPayback, OnlyWhenSavingsExceedTheInterestOnTheInvestment)
{
    // Operating savings x give S = x + ⟨x·p/100⟩.
    const struct {
        double operating, investment, rate, s;
        std::optional<double> years;
    } rows[] = {{463, 10000, 8, 500, std::nullopt},
                {741, 10000, 8, 800, std::nullopt},  // S ≤ I·i
                {1000, 10000, 8, 1080, std::log(1080.0 / 280) / std::log(1.08)},
                {1000, 10000, 0, 1000, 10.0},
                {1000, 0, 8, 1080, 0.0},
                {-1000, 10000, 8, -1080, std::nullopt},
                {-1000, 0, 8, -1080, std::nullopt},
                {-1000, 0, 0, -1000, std::nullopt},
                {0, 0, 8, 0, std::nullopt}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.operating << ", I " << row.investment << ", p " << row.rate);
        CalcInputs in = Quiet(row.investment, 10, row.rate);
        in.PriceHeat = 1;
        AnnualResults annual;
        annual.WinterSensible = row.operating * 1000;
        const EconomyResults r = Economy(in, annual);
        EXPECT_EQ(r.AnnualSavings, row.s);
        EXPECT_NEAR(r.PaybackTime.value_or(-1), row.years.value_or(-1), 1e-12);
        EXPECT_EQ(r.BenefitCostFactor.has_value(), row.investment != 0) << "absent exactly when K = 0";
    }
}

// The refusal of a calculation; none when it was not refused. A refusal
// comes without fault flags.
std::optional<CoreMessage> Refusal(const CalcInputs& in, const AnnualResults& annual = {})
{
    std::feclearexcept(FE_ALL_EXCEPT);
    const auto outcome = CalculateEconomy(in, annual, true);
    EXPECT_EQ(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW), 0);
    if (!outcome.ok())
        return outcome.message();
    return std::nullopt;
}

// A refusal is a catalogue text that every language has. In the user's
// language it names the field as its label on the page reads (not the name
// of the input record), and the English text of the command line names both;
// unusable annual results have no label and are named for the command line.
TEST(EconomyErrors, NameTheFieldByItsLabelInEveryLanguage)
{
    const double nan = std::nan(""), inf = HUGE_VAL;
    struct Row {
        const char* field;
        std::vector<TextId> label;  // catalogue texts of the label, joined
        std::function<void(CalcInputs&, AnnualResults&)> set;
    };
    const auto field = [](double CalcInputs::*input, double value) {
        return [input, value](CalcInputs& in, AnnualResults&) { in.*input = value; };
    };
    const auto drive = [](int watts) { return [watts](CalcInputs& in, AnnualResults&) { in.DrivePower = watts; }; };
    const Row rows[] = {
        {"Lifetime", {TextId::ServiceLife}, field(&CalcInputs::Lifetime, 0)},
        {"Lifetime", {TextId::ServiceLife}, field(&CalcInputs::Lifetime, nan)},
        {"Lifetime", {TextId::ServiceLife}, field(&CalcInputs::Lifetime, -3)},
        {"Investment", {TextId::InvestmentCost}, field(&CalcInputs::Investment, -1)},
        {"InterestRate", {TextId::InterestRate}, field(&CalcInputs::InterestRate, inf)},
        {"PriceElectric", {TextId::ElectricityPrice}, field(&CalcInputs::PriceElectric, -1)},
        {"PriceHeat", {TextId::HeatPrice}, field(&CalcInputs::PriceHeat, -1)},
        {"PriceCold", {TextId::ColdPrice}, field(&CalcInputs::PriceCold, nan)},
        {"PriceWater", {TextId::WaterPrice}, field(&CalcInputs::PriceWater, -0.1)},
        {"Maintenance", {TextId::MaintenanceCosts}, field(&CalcInputs::Maintenance, -2)},
        {"Service", {TextId::ServiceCosts}, field(&CalcInputs::Service, -inf)},
        {"MaintenanceMode", {TextId::MaintenanceCosts}, field(&CalcInputs::MaintenanceMode, 3)},
        {"ServiceMode", {TextId::ServiceCosts}, field(&CalcInputs::ServiceMode, 0)},
        {"DrivePower", {TextId::MotorPower}, drive(-180)},
        // Results beyond the range of double name their line on the cost page.
        {"MaintenanceCost", {TextId::MaintenanceCosts}, field(&CalcInputs::Maintenance, 1e307)},
        {"FanEnergyCost",
         {TextId::EnergyConsumption, TextId::ByPressureLoss},
         field(&CalcInputs::PriceElectric, 1e306)},
        {"DriveEnergyCost", {TextId::EnergyConsumption, TextId::ByDriveMotor}, drive(2'000'000'000)},
        {"SummerHours", {}, [](CalcInputs&, AnnualResults& annual) { annual.SummerHours = HUGE_VAL; }},
    };
    for (const int language : OfferedLanguages) {
        SetCurrentLanguage(language);
        for (const Row& row : rows) {
            SCOPED_TRACE(testing::Message() << "language " << language << ", " << row.field);
            CalcInputs in = Quiet(1e5);
            in.MaintenanceMode = CostMode::PercentOfInvestment;
            in.PriceElectric = 1;
            AnnualResults annual;
            annual.FanEnergy = 1e10, annual.WinterHours = 1e306;
            row.set(in, annual);
            const std::optional<CoreMessage> message = Refusal(in, annual);
            ASSERT_TRUE(message);
            ASSERT_GT(message->textIndex, TextId::None);
            std::string label;
            for (const TextId text : row.label)
                label += CatalogueTextIn(language, text);
            const std::string shown = ShownText(*message);
            EXPECT_NE(shown.find(label), std::string::npos) << shown;
            if (label.find(row.field) == std::string::npos) {  // "Investment cost" may say it
                EXPECT_EQ(shown.find(row.field), std::string::npos) << shown;
            }
            if (language == 2) {
                const std::string english = message->Text();
                EXPECT_EQ(english.rfind(shown, 0), 0u) << "the catalogue's English text first: " << english;
                EXPECT_NE(english.find(label), std::string::npos) << english;
                EXPECT_NE(english.find(row.field), std::string::npos) << english;
            }
        }
    }
    SetCurrentLanguage(2);
    CalcInputs in = Quiet();
    in.DrivePower = -180;
    in.DeviceType = DeviceKind::CrossFlowPlate;  // no drive, nothing to refuse
    EXPECT_FALSE(Refusal(in));
}

}  // namespace
