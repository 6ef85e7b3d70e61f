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
    std::vector<ZoneCase> cases;
    cases.push_back({"rotary, first start, zone 2", CalcInputs{}});

    CalcInputs modelX;
    modelX.ClimateZone = 1;
    modelX.RotorTypeCode = 5;
    modelX.SummerMode = SummerOperation::EnthalpyComparison;
    modelX.SupplyTempControl = false;
    modelX.OperatingFrom = 0;
    modelX.OperatingTo = 24;
    cases.push_back({"rotary model X, zone 1, enthalpy comparison", modelX});

    CalcInputs sorption;
    sorption.ClimateZone = 3;
    sorption.RotorTypeCode = 10;
    sorption.SummerMode = SummerOperation::SwitchOverTemperature;
    sorption.SummerSwitchTemp = 18;
    sorption.DaysPerWeek = 5;
    cases.push_back({"sorption rotor, zone 3, switch-over temperature", sorption});

    CalcInputs crossFlow;
    crossFlow.ClimateZone = 1;
    crossFlow.DeviceType = DeviceKind::CrossFlowPlate;
    crossFlow.SeriesCount = 4;
    cases.push_back({"cross-flow plate, four in series, zone 1", crossFlow});

    CalcInputs allSummer = crossFlow;
    allSummer.ClimateZone = 2;
    allSummer.SeriesCount = 1;
    allSummer.HeatingMonthFrom = 0;
    allSummer.SummerMode = SummerOperation::EnthalpyComparison;
    cases.push_back({"cross-flow plate, no heating months, zone 2", allSummer});

    CalcInputs counterflow;
    counterflow.ClimateZone = 3;
    counterflow.DeviceType = DeviceKind::CounterflowPlate;
    counterflow.GSSize = 2062;
    counterflow.GSWidth = 1000;
    counterflow.SummerMode = SummerOperation::None;
    counterflow.OperatingFrom = 22;
    counterflow.OperatingTo = 6;
    cases.push_back({"counterflow double unit, zone 3, night operation", counterflow});
    return cases;
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
