// The counterflow plate heat exchanger model.

#include "core/devices/CounterflowPlateModel.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/devices/CounterflowPlateExchanger.h"
#include "core/devices/CrossflowPlateExchanger.h"
#include "core/devices/DeviceCodes.h"
#include "core/devices/PlateCondensation.h"
#include "core/devices/PlateSteps.h"
#include "core/devices/StreamOrientation.h"
#include "core/thermo/AirState.h"
#include "core/thermo/FloatFault.h"
#include "core/thermo/MoistAirProperties.h"

namespace {

// One catalogue size. The width that counts for the free cross-section is
// W − widthLoss·c, with c the number of 500 mm sections of the width W.
struct GsSizeRow {
    std::int32_t size;
    double faceHeight;  // Hf, mm
    double freeLength;  // Lf, mm
    double widthLoss;   // mm per 500 mm section
    double porosity;
    double pressureFactor;  // Kp
};

constexpr std::array<GsSizeRow, 13> GsSizes = {{
    {18, 93, 172, 10, 0.45, 1.0},
    {25, 134, 230, 0, 0.45, 1.0},
    {30, 163, 271, 0, 0.45, 1.08},
    {35, 193, 312, 0, 0.45, 1.16},
    {45, 249, 394, 0, 0.45, 1.24},
    {62, 347, 534, 0, 0.45, 1.417},
    {80, 447, 674, 5, 0.45, 1.6},
    {95, 547, 815, 5, 0.45, 1.75},
    {110, 647, 957, 5, 0.45, 1.9},
    {2062, 347, 534, 3, 0.9, 1.417},
    {2080, 447, 674, 8, 0.9, 1.6},
    {2095, 547, 815, 8, 0.9, 1.75},
    {2110, 647, 957, 8, 0.9, 1.9},
}};

struct GsDimensionRow {
    std::int32_t size, a, b, c;
};

constexpr std::array<GsDimensionRow, 14> GsDimensionTable = {{
    {18, 397, 172, 93},
    {25, 454, 230, 134},
    {30, 496, 271, 163},
    {35, 537, 312, 193},
    {40, 578, 344, 222},
    {45, 619, 394, 249},
    {62, 758, 533, 347},
    {80, 899, 674, 447},
    {95, 1040, 815, 547},
    {110, 1182, 957, 647},
    {2062, 1314, 1089, 741},
    {2080, 1600, 1376, 940},
    {2095, 1887, 1662, 1144},
    {2110, 2170, 1945, 1344},
}};

// The cross-flow sections of a double unit.
struct CrossFlowSection {
    std::int32_t size;
    std::int32_t edgeLength;
    std::uint8_t spacingIndex;
};

constexpr std::array<CrossFlowSection, 4> CrossFlowSections = {{
    {2062, 390, 3},
    {2080, 500, 6},
    {2095, 600, 6},
    {2110, 700, 6},
}};

// Every size of the selection and every double unit has its row in each table
// of the model (the cross-flow sections: the double units).
template <class Row, std::size_t N>
constexpr bool HasRows(const std::array<Row, N>& table, const auto& sizes)
{
    return std::all_of(sizes.begin(), sizes.end(), [&table](int size) {
        return std::any_of(table.begin(), table.end(), [size](const Row& row) { return row.size == size; });
    });
}
static_assert(HasRows(GsSizes, CounterflowSizes) && HasRows(GsSizes, DoubleCounterflowUnits));
static_assert(HasRows(GsDimensionTable, CounterflowSizes) && HasRows(GsDimensionTable, DoubleCounterflowUnits));
static_assert(HasRows(CrossFlowSections, DoubleCounterflowUnits));

constexpr double PressureDropWithCondensate = 1.1;

// Channel velocity of stream 1 → base efficiency of balanced counterflow.
// The face velocity limit of the plausibility check (2.5 m/s) keeps channel
// velocities below about 4 m/s at 1013 mbar (e0 above 0.77) and 7 m/s at
// 600 mbar. Towards small flows e0 rises without bound: it reaches 1 at
// 0.056 m/s (0.047 m/s for size 18), where the number of transfer units
// derived from it becomes infinite; below it the dry efficiency passes
// 100 %. The fit holds only well above that velocity, and no input check
// keeps the flows there.
double BaseEfficiency(double velocity, std::int32_t size)
{
    const double e0 = 0.86 * std::pow(velocity, -0.06) * 0.978;
    return size < 25 ? e0 * 0.99 : e0;
}

// Pa at the channel velocity in m/s, for the same velocities as the
// efficiency; each size scales it by its factor Kp.
double PowerLawPressureDrop(double velocity, int units)
{
    return 30 * std::pow(velocity, 1.4) * units;
}

}  // namespace

void GsDimensions(std::int32_t size, std::int32_t& a, std::int32_t& b, std::int32_t& c)
{
    for (const GsDimensionRow& row : GsDimensionTable) {
        if (row.size == size) {
            a = row.a;
            b = row.b;
            c = row.c;
            return;
        }
    }
}

GsGeometry GsGeometryOf(std::int32_t size, std::int32_t packageWidth)
{
    const auto row = std::find_if(GsSizes.begin(), GsSizes.end(),
                                  [size](const GsSizeRow& r) { return r.size == size; });
    if (row == GsSizes.end())
        return {0, 0, 1};
    const double w = packageWidth;
    const double sections = std::ceil(w / 500);
    const double freeWidth = w - row->widthLoss * sections;
    const double faces = IsDoubleCounterflowUnit(size) ? 2 : 1;
    return {faces * w / 1000 * row->faceHeight / 1000, row->porosity * freeWidth / 1000 * row->freeLength / 1000,
            row->pressureFactor};
}

namespace {

struct GsOutlets {
    double t12, x12, t22, x22;
};

GsOutlets CounterflowModel(TDatenGS& d, const GsGeometry& g)
{
    const double p = d.Pressure;
    AirPort& in1 = d.Stream1.Inlet;
    AirPort& in2 = d.Stream2.Inlet;
    const double t11 = in1.Temp;
    const double t21 = in2.Temp;
    const double x11 = NonZeroHumRatio(in1.HumRatio);
    const double x21 = NonZeroHumRatio(in2.HumRatio);

    for (AirStreamData* stream : {&d.Stream1, &d.Stream2}) {
        stream->FaceVelocity = stream->Inlet.VolFlow / 3600 / g.faceArea;
        stream->Velocity = stream->Inlet.VolFlow / g.freeArea / 3600;
    }

    const double w1 = PlateCapacityFlow(in1);
    const double r1 = w1 / PlateCapacityFlow(in2);
    const double e0 = BaseEfficiency(d.Stream1.Velocity, d.GsSize);
    d.EffTemp1 = 100 * EffCounterflow(r1, 1 / (1 / e0 - 1));
    d.EffTemp2 = d.EffTemp1 * r1;

    GsOutlets o{};
    o.x12 = x11;
    o.t12 = t11 + d.EffTemp1 / 100 * (t21 - t11);
    o.t22 = t21 - d.EffTemp2 / 100 * (t21 - t11);
    d.HeatSens1 = (o.t12 - t11) * w1 / 1000;

    const bool fog = RelHumOf(o.t22, x21, p) > 100;
    const double dewPointDepth = DewPointOf(x21, p) - t11;
    const double factor = GsCondensationFactor(dewPointDepth, in2.RelHum);
    d.CondensationState = CondensationStateOf(factor, dewPointDepth, in2.RelHum);
    if (d.CondensationState == 0 && !fog) {
        o.x22 = x21;
        d.EffTemp1Wet = d.EffTemp1;
        d.HeatTotal1 = d.HeatSens1;
        d.EffTemp2Wet = d.EffTemp2;
        return o;
    }

    d.EffTemp1Wet = d.EffTemp1 * WetEfficiencyFactor(factor, d.EffTemp1);
    in2.Enthalpy = EnthalpyOf(t21, x21, p);
    o.t12 = t11 + d.EffTemp1Wet / 100 * (t21 - t11);
    // The counterflow model takes the heat from the capacity flow.
    d.HeatTotal1 = (o.t12 - t11) * w1 / 1000;
    const double h22 = in2.Enthalpy - 3600 * d.HeatTotal1 / in2.DryMassFlow;
    o.t22 = GsExhaustOutletTemp(t11, t21, x21, h22, p);
    o.x22 = ExhaustHumRatio(h22, o.t22, p, true);
    d.EffTemp2Wet = (t21 - o.t22) * 100 / (t21 - t11);
    return o;
}

void PressureDrops(TDatenGS& d, const GsGeometry& g)
{
    for (AirStreamData* stream : {&d.Stream1, &d.Stream2}) {
        stream->PressureDrop = PowerLawPressureDrop(stream->Velocity, d.UnitCount);
        stream->PressureDropStd = PowerLawPressureDrop(stream->Inlet.StdVolFlow / g.freeArea / 3600, d.UnitCount);
    }
    if (d.Condensate1 != 0)
        d.Stream1.PressureDrop *= PressureDropWithCondensate;
    if (d.Condensate2 != 0)
        d.Stream2.PressureDrop *= PressureDropWithCondensate;
    for (AirStreamData* stream : {&d.Stream1, &d.Stream2}) {
        stream->PressureDrop *= g.pressureDropFactor;
        stream->PressureDropStd *= g.pressureDropFactor;
    }
}

// Pressure drops of both streams through the cross-flow section of a double
// unit, each stream carrying half its flow at the given states (°C, %).
struct SectionFlow {
    double stdVolFlow, temp, relHum;
};

bool SectionPressureDrops(TDatenPWT& section, const SectionFlow& s1, const SectionFlow& s2, double& dp1, double& dp2)
{
    section.Stream1.Inlet = AirPort{};
    section.Stream2.Inlet = AirPort{};
    section.Stream1.Inlet.StdVolFlow = s1.stdVolFlow / 2;
    section.Stream1.Inlet.Temp = s1.temp;
    section.Stream1.Inlet.RelHum = s1.relHum;
    section.Stream2.Inlet.StdVolFlow = s2.stdVolFlow / 2;
    section.Stream2.Inlet.Temp = s2.temp;
    section.Stream2.Inlet.RelHum = s2.relHum;
    section.Calculate();
    dp1 = section.Stream1.PressureDrop;
    dp2 = section.Stream2.PressureDrop;
    return section.Status == 0;
}

// Adds the pressure drops of the cross-flow sections of a double unit. A
// section that cannot be calculated adds nothing more and does not fail the
// operating point.
void AddCrossFlowSections(TDatenGS& d)
{
    const auto found = std::find_if(CrossFlowSections.begin(), CrossFlowSections.end(),
                                    [&d](const CrossFlowSection& s) { return s.size == d.GsSize; });
    if (found == CrossFlowSections.end())
        return;
    TDatenPWT section;
    section.StateMode = static_cast<std::uint8_t>(StateInputMode::TempRelHum);
    section.FlowMode = static_cast<std::uint8_t>(FlowInputMode::StdVolFlow);
    section.Pressure = d.Pressure;
    section.CompletedStateFields = d.CompletedStateFields;
    section.PackageWidth = d.PackageWidth;
    section.UnitCount = 1;
    section.EdgeLength = found->edgeLength;
    section.SpacingIndex = found->spacingIndex;

    const AirPort& in1 = d.Stream1.Inlet;
    const AirPort& out1 = d.Stream1.Outlet;
    const AirPort& in2 = d.Stream2.Inlet;
    const AirPort& out2 = d.Stream2.Outlet;
    double a1 = 0, a2 = 0, b1 = 0, b2 = 0, c1 = 0, c2 = 0;
    const bool passA = SectionPressureDrops(section, {in1.StdVolFlow, in1.Temp, in1.RelHum},
                                            {out2.StdVolFlow, out2.Temp, out2.RelHum}, a1, a2);
    if (!passA || !SectionPressureDrops(section, {out1.StdVolFlow, out1.Temp, out1.RelHum},
                                        {in2.StdVolFlow, in2.Temp, in2.RelHum}, b1, b2))
        return;
    d.Stream1.PressureDrop += (a1 + b1) / 2;
    d.Stream2.PressureDrop += (a2 + b2) / 2;
    if (!SectionPressureDrops(section, {in1.StdVolFlow, StdTemp, StdRelHum}, {in2.StdVolFlow, StdTemp, StdRelHum}, c1,
                              c2))
        return;
    d.Stream1.PressureDropStd += c1;
    d.Stream2.PressureDropStd += c2;
}

}  // namespace

void CalcGs(TDatenGS& d)
{
    RequireUnitCount(d);
    const GsGeometry g = GsGeometryOf(d.GsSize, d.PackageWidth);
    {
        const ColderStreamFirst orientation(d);
        const GsOutlets o = CounterflowModel(d, g);
        SetPlateBalances(d, NonZeroHumRatio(d.Stream2.Inlet.HumRatio), o.x22);
        PressureDrops(d, g);
        d.Stream1.Outlet.Temp = o.t12;
        d.Stream1.Outlet.HumRatio = o.x12;
        d.Stream2.Outlet.Temp = o.t22;
        d.Stream2.Outlet.HumRatio = o.x22;
    }
    CompleteOutlet(d.Stream1, d.Stream1.Outlet.Temp, d.Stream1.Outlet.HumRatio, d.Pressure, d.CompletedStateFields);
    CompleteOutlet(d.Stream2, d.Stream2.Outlet.Temp, d.Stream2.Outlet.HumRatio, d.Pressure, d.CompletedStateFields);
    if (IsDoubleCounterflowUnit(d.GsSize))
        RunStatusGuarded([&d] { AddCrossFlowSections(d); });
    SetEfficienciesOfSmallerFlow(d);
}
