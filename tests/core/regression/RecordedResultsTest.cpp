// Every output field of a fixed set of air states, device operating points
// and annual runs, compared bit for bit with values recorded from an earlier
// build (recorded_results.txt beside this file, written by
// scripts/record_results.sh). The numerical core may be made faster, never
// different: a changed bit in any field fails here with its name.
//
// The points are drawn from a small generator of our own, mapped to doubles
// by exact arithmetic, so the set is the same on every platform.

#include <bit>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "../devices/DeviceTestSupport.h"
#include "core/climate/AnnualResultsFields.h"
#include "core/climate/AnnualSimulation.h"
#include "core/climate/ClimateZones.h"
#include "core/devices/DeviceCodes.h"
#include "core/devices/RotaryExchangerX.h"
#include "core/devices/RotorModel.h"
#include "core/thermo/AirState.h"

namespace {

struct Record {
    std::string key;
    devtest::FieldList fields;
};

// splitmix64: a fixed sequence, independent of the standard library.
class Draw {
public:
    explicit Draw(std::uint64_t seed) : state_(seed) {}
    double Between(double lo, double hi) { return lo + Unit() * (hi - lo); }
    int Index(int count) { return static_cast<int>(Next() % static_cast<std::uint64_t>(count)); }
    template <class T, std::size_t N>
    T Of(const std::array<T, N>& values)
    {
        return values[static_cast<std::size_t>(Index(static_cast<int>(N)))];
    }

private:
    std::uint64_t Next()
    {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    double Unit() { return static_cast<double>(Next() >> 11) * 0x1p-53; }
    std::uint64_t state_;
};

std::string Key(const char* kind, int index)
{
    return std::string(kind) + '.' + std::to_string(index);
}

void AirStates(std::vector<Record>& out)
{
    Draw draw(1);
    for (int i = 0; i < 30; ++i) {
        const double p = draw.Between(700, 1050);
        MoistAirState base;
        base.Temp = draw.Between(-30, 60);
        base.RelHum = draw.Between(5, 100);
        CompleteAirState(StateInputMode::TempRelHum, base, p);
        for (std::uint8_t mode = 0; mode < StateInputModeCount; ++mode) {
            MoistAirState s;
            for (const auto member : GivenFieldsOfMode[mode])
                s.*member = base.*member;
            std::string fault;
            const bool ok = RunFpGuarded([&] { CompleteAirState(mode, s, p); }, &fault);
            Record r{Key("state", i) + '.' + std::to_string(mode), {{"ok", ok ? 1.0 : 0.0}}};
            for (const MoistAirField& f : MoistAirFields)
                r.fields.emplace_back(f.name, s.*f.member);
            out.push_back(std::move(r));
        }
    }
}

// Both inlets by temperature and humidity, standard volume flows given.
template <class D>
void SetInlets(D& d, Draw& draw, double flowLo, double flowHi, bool coldHumid)
{
    d.Pressure = draw.Between(800, 1050);
    d.StateMode = d.FlowMode = 0;
    d.Stream1.Inlet = AirPort{.StdVolFlow = draw.Between(flowLo, flowHi),
                              .Temp = coldHumid ? draw.Between(-20, -12) : draw.Between(-25, 40),
                              .RelHum = coldHumid ? draw.Between(85, 98) : draw.Between(10, 100)};
    d.Stream2.Inlet = AirPort{.StdVolFlow = draw.Between(flowLo, flowHi),
                              .Temp = coldHumid ? draw.Between(22, 26) : draw.Between(15, 30),
                              .RelHum = coldHumid ? draw.Between(45, 60) : draw.Between(20, 70)};
}

template <class D>
void AddPoint(std::vector<Record>& out, const char* kind, int index, D& d)
{
    d.Calculate();
    out.push_back({Key(kind, index), devtest::Fields(d)});
}

template <class D>
void RotorPoint(D& d, Draw& draw)
{
    SetInlets(d, draw, 2000, 20000, false);
    d.RotorDiameter = static_cast<std::int32_t>(draw.Between(800, 3000));
    d.RotorSpeed = draw.Of(std::array{5.0, 10.0, 15.0, 20.0});
    d.LimitOutlet1 = static_cast<std::uint8_t>(draw.Index(2));
    d.OutletLimit1 = draw.Between(16, 24);
}

constexpr int PointsPerKind = 40;

void OperatingPoints(std::vector<Record>& out)
{
    Draw draw(2);
    for (int i = 0; i < PointsPerKind; ++i) {
        TDatenRWT rwt;
        RotorPoint(rwt, draw);
        rwt.RotorType = RotorTypeOfCode(draw.Of(std::array{1, 2, 3, 4, 5, 6}));
        AddPoint(out, "rotary", i, rwt);

        TDatenRWT_X x;
        RotorPoint(x, draw);
        x.RotorType = 5;
        AddPoint(out, "rotaryX", i, x);

        TDatenZEPRA_2000 sorption;
        RotorPoint(sorption, draw);
        sorption.RotorType = 5;
        sorption.OperatingMode = 1;
        sorption.RotorDepth = 250;
        sorption.FoilThickness = 0.114;
        sorption.WaveHeight = 2.0;
        AddPoint(out, "sorption", i, sorption);

        for (const bool series : {false, true}) {
            TDatenPWT pwt;
            SetInlets(pwt, draw, 1000, 15000, series && i % 2 == 0);
            pwt.EdgeLength = draw.Of(std::array{300, 400, 500, 600, 700, 800, 1000, 1200, 1400, 1600, 2000});
            pwt.SpacingIndex = static_cast<std::uint8_t>(1 + draw.Index(6));
            pwt.PackageWidth = static_cast<std::int32_t>(draw.Between(500, 2000));
            pwt.UnitCount = static_cast<std::uint8_t>(series ? 2 + draw.Index(3) : 1);
            AddPoint(out, series ? "crossflowSeries" : "crossflow", i, pwt);
        }

        for (const bool twin : {false, true}) {
            TDatenGS gs;
            SetInlets(gs, draw, 300, 8000, false);
            gs.GsSize = twin ? draw.Of(DoubleCounterflowUnits) : draw.Of(CounterflowSizes);
            gs.PackageWidth = static_cast<std::int32_t>(draw.Between(300, 2000));
            AddPoint(out, twin ? "counterflowDouble" : "counterflow", i, gs);
        }
    }
}

struct YearCase {
    const char* name;
    CalcInputs inputs;
};

std::vector<YearCase> YearCases()
{
    std::vector<YearCase> cases;
    const auto add = [&cases](const char* name, auto&& set) {
        for (int zone = 1; zone <= 3; ++zone) {
            CalcInputs in;
            in.ClimateZone = zone;
            set(in);
            cases.push_back({name, in});
        }
    };
    add("rotary", [](CalcInputs&) {});
    add("rotaryUncontrolled", [](CalcInputs& in) {
        in.RotorTypeCode = 1;
        in.SupplyTempControl = false;
        in.SummerMode = SummerOperation::EnthalpyComparison;
    });
    add("rotary6", [](CalcInputs& in) {
        in.RotorTypeCode = 6;
        in.StorageMassCode = "A14";
        in.OperatingFrom = in.OperatingTo = 0;
    });
    add("sorption", [](CalcInputs& in) { in.RotorTypeCode = SorptionRotorCode; });
    add("crossflow", [](CalcInputs& in) { in.DeviceType = DeviceKind::CrossFlowPlate; });
    add("crossflow2", [](CalcInputs& in) {
        in.DeviceType = DeviceKind::CrossFlowPlate;
        in.SeriesCount = 2;
        in.PlateEdge = 600;
        in.PlateWidth = 900;
        in.ExtractHumWinter = 60;
    });
    add("counterflow", [](CalcInputs& in) { in.DeviceType = DeviceKind::CounterflowPlate; });
    add("counterflowDouble", [](CalcInputs& in) {
        in.DeviceType = DeviceKind::CounterflowPlate;
        in.GSSize = 2062;
        in.GSWidth = 1000;
    });
    for (const int units : {3, 4}) {
        CalcInputs in;
        in.DeviceType = DeviceKind::CrossFlowPlate;
        in.SeriesCount = static_cast<std::uint8_t>(units);
        in.ClimateZone = units == 3 ? 1 : 2;
        cases.push_back({units == 3 ? "crossflow3" : "crossflow4", in});
    }
    return cases;
}

struct AnnualWalker {
    devtest::FieldList* out;
    template <class T>
    void operator()(const char* name, const T& field) const
    {
        if constexpr (std::is_arithmetic_v<T>) {
            out->emplace_back(name, static_cast<double>(field));
        } else {
            for (std::size_t m = 0; m < field.size(); ++m)
                out->emplace_back(std::string(name) + '.' + std::to_string(m + 1), static_cast<double>(field[m]));
        }
    }
};

void AnnualRuns(std::vector<Record>& out)
{
    int index = 0;
    for (YearCase& c : YearCases()) {
        const ClimateYear year = LoadBuiltInClimate(c.inputs.ClimateZone).value();
        SimulationOutcome outcome = SimulateYear(c.inputs, year, {});
        Record r{Key("year", index++) + '.' + c.name + ".zone" + std::to_string(c.inputs.ClimateZone), {}};
        if (AnnualResults* results = std::get_if<AnnualResults>(&outcome))
            VisitAnnualResults(*results, AnnualWalker{&r.fields});
        out.push_back(std::move(r));
    }
}

std::vector<Record> AllRecords()
{
    std::vector<Record> records;
    AirStates(records);
    OperatingPoints(records);
    AnnualRuns(records);
    return records;
}

std::string Hex(double value)
{
    char text[20];
    std::snprintf(text, sizeof text, "%016" PRIx64, std::bit_cast<std::uint64_t>(value));
    return text;
}

const char* const RecordedFile = WRG_RECORDED_RESULTS;

// Key → the recorded bit patterns, one line per record.
std::map<std::string, std::vector<std::string>> ReadRecorded()
{
    std::map<std::string, std::vector<std::string>> recorded;
    std::ifstream in(RecordedFile);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        std::string key, value;
        words >> key;
        while (words >> value)
            recorded[key].push_back(value);
    }
    return recorded;
}

void Write(const std::vector<Record>& records, const char* path)
{
    std::ofstream out(path, std::ios::app);
    for (const Record& r : records) {
        out << r.key;
        for (const auto& field : r.fields)
            out << ' ' << Hex(field.second);
        out << '\n';
    }
}

TEST(RecordedResults, EveryFieldBitForBit)
{
    const std::vector<Record> records = AllRecords();
    // scripts/record_results.sh sets this to write the file instead.
    if (const char* path = std::getenv("WRG_RECORD_RESULTS_TO")) {
        Write(records, path);
        GTEST_SKIP() << "recorded into " << path;
    }
    const auto recorded = ReadRecorded();
    ASSERT_EQ(recorded.size(), records.size()) << "cannot read " << RecordedFile;
    int differing = 0;
    for (const Record& r : records) {
        const auto found = recorded.find(r.key);
        ASSERT_NE(found, recorded.end()) << r.key;
        ASSERT_EQ(found->second.size(), r.fields.size()) << r.key;
        for (std::size_t i = 0; i < r.fields.size(); ++i) {
            if (found->second[i] == Hex(r.fields[i].second))
                continue;
            if (++differing <= 20)
                ADD_FAILURE() << r.key << ' ' << r.fields[i].first << ": recorded " << found->second[i] << ", now "
                              << Hex(r.fields[i].second) << " (" << r.fields[i].second << ')';
        }
    }
    EXPECT_EQ(differing, 0);
}

}  // namespace
