// The cross-flow plate heat exchanger model.

#include "core/devices/CrossflowPlateModel.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/devices/CrossflowPlateCorrelations.h"
#include "core/devices/CrossflowPlateExchanger.h"
#include "core/devices/CrossflowPlateTables.h"
#include "core/devices/PlateCondensation.h"
#include "core/devices/PlateSteps.h"
#include "core/devices/StreamOrientation.h"
#include "core/thermo/AirState.h"
#include "core/thermo/FloatFault.h"
#include "core/thermo/MoistAirProperties.h"
#include "core/thermo/SaturationSigns.h"

namespace {

// Wall resistance of a plate: 0.15 mm of aluminium, 220 W/(m K).
constexpr double WallResistance = 6.818181818181818e-7;
// Condensation lifts the cross-flow efficiency by at most 23 %.
constexpr double MaxCondensationFactor = 1.23;
// Above this extract temperature condensation does not count.
constexpr double NoCondensationFrom = 120;
// The fog test applies only below this extract temperature.
constexpr double FogTestBelow = 200;
constexpr double SeriesTolerance = 0.001;
constexpr int MaxUnits = 4;

PwtGeometry Geometry(TDatenPWT& d)
{
    if (!IsCatalogueEdgeLength(d.EdgeLength))
        throw EMathError("the edge length is not in the catalogue");
    if (d.SpacingGiven == 0)
        d.PlateSpacing = PlateSpacingOf(d.EdgeLength, d.SpacingIndex);
    else
        d.SpacingIndex = SpacingIndexOf(d.EdgeLength, d.PlateSpacing);
    if (!(d.PlateSpacing > 0))
        throw EMathError("no plate spacing for this edge length");

    PwtGeometry g{};
    g.modules = ModulesPerEdge(d.EdgeLength, d.PlateSpacing);
    d.ModuleEdge = static_cast<std::int32_t>(std::nearbyint(static_cast<double>(d.EdgeLength) / g.modules));
    if (d.ModuleEdge == 390)
        d.ModuleEdge = 400;
    // The 5000 mm face of the spacing list has no module split: a single
    // 5000 mm module has no heat transfer or pressure drop data.
    if (!IsPlateModuleEdge(d.ModuleEdge))
        throw EMathError("no plate module of this size");
    g.moduleEdge = d.ModuleEdge;

    const int packages = PackagesAcrossWidth(d.PackageWidth, g.moduleEdge);
    const double plates = PlatesPerPackage(g.moduleEdge, d.PlateSpacing,
                                           static_cast<double>(d.PackageWidth) / packages);
    if (!(plates >= 1))
        throw EMathError("the package width holds no plates");
    const double e = g.moduleEdge / 1000.0;
    g.transferArea = e * e * g.modules * g.modules * packages * plates;
    g.freeArea = FreeCrossSection(g.modules, packages, g.moduleEdge, d.PlateSpacing, plates);
    g.hydraulicDiameter = 2 * d.PlateSpacing;
    g.channel = PwtChannelOf(g.moduleEdge, g.hydraulicDiameter);
    return g;
}

// Geometry for a unit of a series, from the memo while the description it
// reads is bit for bit the last one. What Geometry writes back (the spacing
// or its index, the module edge) it wrote then, from the same description.
PwtGeometry SeriesUnitGeometry(TDatenPWT& d, LastResultMemo<PwtGeometry, 5>& memo)
{
    return memo.Get({static_cast<double>(d.EdgeLength), static_cast<double>(d.PackageWidth),
                     static_cast<double>(d.SpacingIndex), d.PlateSpacing, static_cast<double>(d.SpacingGiven)},
                    [&] { return Geometry(d); });
}

// Channel and face velocities of both streams.
void SetVelocities(TDatenPWT& d, const PwtGeometry& g)
{
    const double t11 = d.Stream1.Inlet.Temp;
    const double t21 = d.Stream2.Inlet.Temp;
    d.Stream1.Velocity = ChannelVelocity(d.Stream1.Inlet.VolFlow, g.freeArea, t11, t21);
    d.Stream2.Velocity = ChannelVelocity(d.Stream2.Inlet.VolFlow, g.freeArea, t21, t11);
    // An edge of 390 mm has the face height of a 400 mm module.
    const double faceHeight = (d.EdgeLength == 390 ? 400 : d.EdgeLength) / 1000.0;
    const double faceArea = faceHeight * d.PackageWidth / 1000;
    d.Stream1.FaceVelocity = d.Stream1.Inlet.VolFlow / 3600 / faceArea;
    d.Stream2.FaceVelocity = d.Stream2.Inlet.VolFlow / 3600 / faceArea;
}

// Overall heat transfer coefficient in W/(m² K).
double OverallCoefficient(const TDatenPWT& d, const PwtGeometry& g)
{
    const double tm = (d.Stream1.Inlet.Temp + d.Stream2.Inlet.Temp) / 2;
    const double lambda = AirConductivity(tm);
    const double nu = AirKinViscosity(tm);
    const PwtAir air = PwtAirOf(AirPrandtl(tm));
    const double dh = g.hydraulicDiameter;
    const auto alpha = [&](double velocity) {
        const double re = velocity * dh / nu / 1000;
        return PwtNusselt(g.channel, re, air) * lambda / dh * 1000;
    };
    return 1 / (1 / alpha(d.Stream1.Velocity) + 1 / alpha(d.Stream2.Velocity) + WallResistance);
}

struct CapacityRatios {
    double r1, r2;  // W1/W2 and W2/W1
};

// One unit: dry efficiencies, condensation on the exhaust side and the
// outlets. Sets the efficiencies, HeatSens1, HeatTotal1 and CondensationState.
PlateOutlets SingleUnit(TDatenPWT& d, const PwtGeometry& g, CapacityRatios& ratios, SeriesUnitMemo& memo)
{
    const double p = d.Pressure;
    const AirPort& in1 = d.Stream1.Inlet;
    const AirPort& in2 = d.Stream2.Inlet;
    const double t11 = in1.Temp;
    const double t21 = in2.Temp;
    const double x11 = NonZeroHumRatio(in1.HumRatio);
    const double x21 = NonZeroHumRatio(in2.HumRatio);
    const double x12 = x11;

    const double k = OverallCoefficient(d, g);
    const double w1 = PlateCapacityFlow(in1);
    const double w2 = PlateCapacityFlow(in2);
    ratios = {w1 / w2, w2 / w1};
    const auto efficiency = [&](double r, double w, LastResultMemo<double, 1>& ratioFactor) {
        const double factor = ratioFactor.Get({r}, [r] { return CorrectedNtuRatioFactor(r); });
        return 100 * EffCorrectedNtu(r, factor, g.transferArea * k / w);
    };
    d.EffTemp1 = efficiency(ratios.r1, w1, memo.ratioFactor1);
    d.EffTemp2 = efficiency(ratios.r2, w2, memo.ratioFactor2);

    PlateOutlets o{};
    o.x12 = x12;
    o.t12 = t11 + d.EffTemp1 / 100 * (t21 - t11);
    o.t22 = t21 - d.EffTemp2 / 100 * (t21 - t11);
    const double h11 = EnthalpyOf(t11, x11, p);
    d.HeatSens1 = (EnthalpyOf(o.t12, x11, p) - h11) * in1.DryMassFlow / 3600;

    // Only whether the exhaust is fogged counts: air certainly below
    // saturation needs no relative humidity.
    const bool fog = t21 < FogTestBelow && !CertainlyUnsaturated(o.t22, x21, p) && RelHumOf(o.t22, x21, p) > 100;
    const double dewPointDepth = memo.exhaustDewPoint.Get({x21, p}, [&] { return DewPointOf(x21, p); }) - t11;
    const double factor = t21 >= NoCondensationFrom ? 1 : CondensationFactor(dewPointDepth, in2.RelHum);
    d.CondensationState = CondensationStateOf(factor, dewPointDepth, in2.RelHum);
    if (d.CondensationState == 0 && !fog) {
        o.x22 = x21;
        d.EffTemp1Wet = d.EffTemp1;
        d.EffTemp2Wet = d.EffTemp2;
        d.HeatTotal1 = d.HeatSens1;
        return o;
    }

    // Condensation: the exhaust side gives latent heat as well.
    d.EffTemp1Wet = d.EffTemp1 * WetEfficiencyFactor(std::min(factor, MaxCondensationFactor), d.EffTemp1);
    o.t12 = t11 + d.EffTemp1Wet / 100 * (t21 - t11);
    d.HeatTotal1 = (EnthalpyOf(o.t12, x12, p) - h11) * in1.DryMassFlow / 3600;
    const double h22 = in2.Enthalpy - 3600 * d.HeatTotal1 / in2.DryMassFlow;
    o.t22 = ExhaustOutletTemp(t11, t21, x21, h22, p);
    o.x22 = ExhaustHumRatio(h22, o.t22, p, false);
    d.EffTemp2Wet = (t21 - o.t22) * 100 / (t21 - t11);
    return o;
}

// Outlet states, the efficiencies of the whole series and the heat flows.
void SetOutletsAndEfficiencies(TDatenPWT& d, const PlateOutlets& o, const CapacityRatios& ratios)
{
    const double p = d.Pressure;
    const double t11 = d.Stream1.Inlet.Temp;
    const double t21 = d.Stream2.Inlet.Temp;
    const double x11 = NonZeroHumRatio(d.Stream1.Inlet.HumRatio);
    const double x21 = NonZeroHumRatio(d.Stream2.Inlet.HumRatio);
    CompleteOutlet(d.Stream1, o.t12, o.x12, p, d.CompletedStateFields);
    CompleteOutlet(d.Stream2, o.t22, o.x22, p, d.CompletedStateFields);

    d.EffTemp1 = 100 * EffSeries(d.UnitCount, ratios.r1, d.EffTemp1 / 100);
    d.EffTemp2 = 100 * EffSeries(d.UnitCount, ratios.r2, d.EffTemp2 / 100);
    d.HeatTotal1 = (EnthalpyOf(o.t12, o.x12, p) - EnthalpyOf(t11, x11, p)) * d.Stream1.Inlet.DryMassFlow / 3600;
    if (t21 != t11) {
        d.EffTemp2Wet = (t21 - o.t22) * 100 / (t21 - t11);
        d.EffTemp1Wet = (o.t12 - t11) * 100 / (t21 - t11);
    } else {
        d.EffTemp1Wet = d.EffTemp1;
        d.EffTemp2Wet = d.EffTemp2;
    }
    SetPlateBalances(d, x21, o.x22);
}

void StreamPressureDrops(AirStreamData& stream, const TDatenPWT& d, const PwtGeometry& g)
{
    const double passages = static_cast<double>(d.UnitCount) * g.modules;
    const double s = d.PlateSpacing;
    const double wStd = stream.Inlet.StdVolFlow / g.freeArea / 3600;
    stream.PressureDropStd = PwtPressureDrop(g.moduleEdge, wStd, StdTemp, StdDensity(), s) * passages;
    stream.Velocity = (stream.Inlet.VolFlow + stream.Outlet.VolFlow) / 2 / g.freeArea / 3600;
    const double t = (stream.Inlet.Temp + stream.Outlet.Temp) / 2;
    const double density = (stream.Inlet.Density + stream.Outlet.Density) / 2;
    stream.PressureDrop = PwtPressureDrop(g.moduleEdge, stream.Velocity, t, density, s) * passages;
}

void CrossFlowModel(TDatenPWT& d)
{
    const PwtGeometry g = Geometry(d);
    SetVelocities(d, g);
    CapacityRatios ratios{};
    SeriesUnitMemo lone;  // one unit alone has nothing to take again
    PlateOutlets outlets = SingleUnit(d, g, ratios, lone);
    if (d.UnitCount > 1)
        outlets = CalcSeries(d).outlets;
    SetOutletsAndEfficiencies(d, outlets, ratios);

    if (d.SpacingGiven == 0)
        d.PlateSpacing = PlateSpacingOf(d.EdgeLength, d.SpacingIndex);
    StreamPressureDrops(d.Stream1, d, g);
    StreamPressureDrops(d.Stream2, d, g);
}

}  // namespace

void CalcSeriesUnit(TDatenPWT& unit, SeriesUnitMemo& memo)
{
    const ColderStreamFirst orientation(unit);
    const PwtGeometry g = SeriesUnitGeometry(unit, memo.geometry);
    SetVelocities(unit, g);
    CapacityRatios ratios{};
    const PlateOutlets o = SingleUnit(unit, g, ratios, memo);
    // The one failure of the outlet completion that is skipped here.
    if (o.x12 < 0 || o.x22 < 0)
        throw EMathError("the vapour pressure is not below the air pressure");
    unit.Stream1.Outlet.Temp = o.t12;
    unit.Stream1.Outlet.HumRatio = o.x12;
    unit.Stream2.Outlet.Temp = o.t22;
    unit.Stream2.Outlet.HumRatio = o.x22;
    // As the balances set it: a swap back gives stream 1 its own heat.
    unit.HeatSens2 = -unit.HeatSens1;
}

void CalcPwt(TDatenPWT& d)
{
    RequireUnitCount(d);
    {
        const ColderStreamFirst orientation(d);
        CrossFlowModel(d);
    }
    SetEfficienciesOfSmallerFlow(d);
}

namespace {

// The air between the units during the series loop: supply air at index j
// after unit j, exhaust air at index j before unit j + 1 in its own direction
// (entering at index k), and the last pass's sum of the units' sensible heat.
struct SeriesState {
    std::array<double, MaxUnits + 1> t1, x1, t2, x2;
    double heatSens;
};

// One unit of the series as its own calculation object: the description of
// the whole, a single unit, the dry air of both inlets. Its dew points and
// wet bulb temperatures are never read, so they are not computed; neither are
// its pressure drops, outlet states and series efficiencies
// (CalculateAsSeriesUnit).
TDatenPWT SeriesUnit(const TDatenPWT& d)
{
    TDatenPWT unit;
    unit.StateMode = static_cast<std::uint8_t>(StateInputMode::TempHumRatio);
    unit.FlowMode = static_cast<std::uint8_t>(FlowInputMode::DryMassFlow);
    unit.Pressure = d.Pressure;
    unit.CompletedStateFields = StateFields::WithoutDewPointAndWetBulb;
    unit.EdgeLength = d.EdgeLength;
    unit.PackageWidth = d.PackageWidth;
    unit.SpacingIndex = d.SpacingIndex;
    unit.PlateSpacing = d.PlateSpacing;
    unit.SpacingGiven = d.SpacingGiven;
    unit.UnitCount = 1;
    unit.Stream1.Inlet.DryMassFlow = d.Stream1.Inlet.DryMassFlow;
    unit.Stream2.Inlet.DryMassFlow = d.Stream2.Inlet.DryMassFlow;
    return unit;
}

// What a unit of the series passes on.
struct UnitOutcome {
    double t12, x12, t22, x22, heatSens1;
};

// Where the series does not settle, its passes go round a cycle of a few
// states, and each unit meets the inlets of a few passes back once more: the
// outcomes of the last passes are kept per unit for their bit-identical inlets.
constexpr std::size_t KeptPasses = 8;
using UnitOutcomes = std::array<LastResultMemo<UnitOutcome, 4, KeptPasses>, MaxUnits>;

// One pass: the units 1 to `units` in turn, each from the air the last
// calculation left at its inlets and with its own memos.
void SeriesPass(TDatenPWT& unit, int units, SeriesState& s, std::array<SeriesUnitMemo, MaxUnits>& memos,
                UnitOutcomes& outcomes)
{
    s.heatSens = 0;
    for (int j = 1; j <= units; ++j) {
        const UnitOutcome o = outcomes[j - 1].Get({s.t1[j - 1], s.x1[j - 1], s.t2[j], s.x2[j]}, [&] {
            unit.Stream1.Inlet.Temp = s.t1[j - 1];
            unit.Stream1.Inlet.HumRatio = s.x1[j - 1];
            unit.Stream2.Inlet.Temp = s.t2[j];
            unit.Stream2.Inlet.HumRatio = s.x2[j];
            unit.CalculateAsSeriesUnit(memos[j - 1]);
            if (unit.Status != 0)
                throw EMathError("a unit of the series connection failed");
            return UnitOutcome{unit.Stream1.Outlet.Temp, unit.Stream1.Outlet.HumRatio, unit.Stream2.Outlet.Temp,
                               unit.Stream2.Outlet.HumRatio, unit.HeatSens1};
        });
        s.t1[j] = o.t12;
        s.x1[j] = o.x12;
        s.t2[j - 1] = o.t22;
        s.x2[j - 1] = o.x22;
        s.heatSens += o.heatSens1;
    }
}

}  // namespace

SeriesResult CalcSeries(TDatenPWT& d)
{
    RequireUnitCount(d);
    const int units = d.UnitCount;
    TDatenPWT unit = SeriesUnit(d);

    SeriesState s{};
    s.t1.fill(d.Stream1.Inlet.Temp);
    s.x1.fill(NonZeroHumRatio(d.Stream1.Inlet.HumRatio));
    s.t2.fill(d.Stream2.Inlet.Temp);
    s.x2.fill(NonZeroHumRatio(d.Stream2.Inlet.HumRatio));

    std::array<SeriesUnitMemo, MaxUnits> memos{};
    UnitOutcomes outcomes{};
    int passes = 0;
    while (passes < SeriesPassLimit) {
        const double previousT = s.t1[1];
        const double previousX = s.x1[1];
        SeriesPass(unit, units, s, memos, outcomes);
        ++passes;
        if (std::fabs(s.t1[1] - previousT) < SeriesTolerance && std::fabs(s.x1[1] - previousX) < SeriesTolerance)
            break;
    }
    d.HeatSens1 = s.heatSens;
    return {{s.t1[units], s.x1[units], s.t2[0], s.x2[0]}, passes};
}
