// The annual results of the built-in climate zones, compared to the last bit
// with results recorded from an earlier build: a change of the simulation's
// loops or sums must not move a single result of an existing calculation.
// When a case fails, or has no recorded row, the test prints the current row
// in the form of BuiltInZoneResults.inc.

#include <cstdio>
#include <string>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "core/climate/AnnualResultsFields.h"
#include "core/climate/AnnualSimulation.h"
#include "core/climate/ClimateZones.h"

namespace {

struct ZoneCase {
    const char* name;
    CalcInputs inputs;
};

// Every device kind, each summer rule, both ways of the operating time and
// every built-in zone at least once.
std::vector<ZoneCase> Cases()
{
    using enum SummerOperation;
    return {
        {"rotary, first start, zone 2", {}},
        {"rotary model X, zone 1, enthalpy comparison",
         {.ClimateZone = 1,
          .RotorTypeCode = 5,
          .OperatingFrom = 0,
          .OperatingTo = 24,
          .SupplyTempControl = false,
          .SummerMode = EnthalpyComparison}},
        {"sorption rotor, zone 3, switch-over temperature",
         {.ClimateZone = 3,
          .RotorTypeCode = 10,
          .DaysPerWeek = 5,
          .SummerMode = SwitchOverTemperature,
          .SummerSwitchTemp = 18}},
        {"cross-flow plate, four in series, zone 1",
         {.ClimateZone = 1, .DeviceType = DeviceKind::CrossFlowPlate, .SeriesCount = 4}},
        {"cross-flow plate, no heating months, zone 2",
         {.ClimateZone = 2,
          .DeviceType = DeviceKind::CrossFlowPlate,
          .HeatingMonthFrom = 0,
          .SummerMode = EnthalpyComparison}},
        {"counterflow double unit, zone 3, night operation",
         {.ClimateZone = 3,
          .DeviceType = DeviceKind::CounterflowPlate,
          .GSSize = 2062,
          .GSWidth = 1000,
          .OperatingFrom = 22,
          .OperatingTo = 6,
          .SummerMode = None}},
    };
}

// Every number of the results in the order of their fields.
std::vector<double> Flattened(AnnualResults r)
{
    std::vector<double> values;
    const auto add = [&values](const char*, const auto& field) {
        if constexpr (requires { field.size(); })
            values.insert(values.end(), field.begin(), field.end());
        else
            values.push_back(field);
    };
    VisitAnnualResults(r, add);
    return values;
}

std::string IncludeRow(const std::vector<double>& values, const char* name)
{
    std::string row = "    // " + std::string(name) + "\n    {";
    for (std::size_t i = 0; i < values.size(); ++i) {
        char number[40];
        std::snprintf(number, sizeof number, "%a", values[i]);
        row += (i == 0 ? "" : i % 4 == 0 ? ",\n     " : ", ") + std::string(number);
    }
    return row + "},\n";
}

const std::vector<std::vector<double>> Recorded = {
#include "BuiltInZoneResults.inc"
};

TEST(BuiltInZoneResults, UnchangedToTheLastBit)
{
    const std::vector<ZoneCase> cases = Cases();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].name);
        const SimulationOutcome outcome = RunAnnualSimulation(cases[i].inputs, {}, {});
        const auto* results = std::get_if<AnnualResults>(&outcome);
        ASSERT_NE(results, nullptr);
        const std::vector<double> values = Flattened(*results);
        const bool same = i < Recorded.size() && values == Recorded[i];
        EXPECT_TRUE(same) << IncludeRow(values, cases[i].name);
    }
}

}  // namespace
