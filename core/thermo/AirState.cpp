// Completion of an air state from any two of its quantities.

#include "core/thermo/AirState.h"

#include <array>
#include <limits>

#include "core/thermo/FloatFault.h"
#include "core/thermo/MoistAirProperties.h"

namespace {

// One computed field of a state, from fields already known.
enum class Step : std::uint8_t {
    End,
    HumRatioFromTempRelHum,    // HumRatioOf(Temp, RelHum)
    HumRatioFromEnthalpyTemp,  // on the isenthalp through Enthalpy
    HumRatioFromDewPoint,      // saturated at DewPoint
    TempFromEnthalpyHumRatio,  // on the isenthalp through Enthalpy
    TempFromEnthalpyRelHum,    // from dry air of the same enthalpy, along its isenthalp
    TempFromHumRatioRelHum,
    EnthalpyFromWetBulb,  // saturated air at WetBulb
    RelHum,
    Enthalpy,
    DewPoint,
    WetBulb,
    Density,
};

using Steps = std::array<Step, 6>;

// The steps of each mode, in order; each uses only fields already known.
constexpr std::array<Steps, StateInputModeCount> ModeSteps = {{
    /* 0 Temp, RelHum */ {Step::HumRatioFromTempRelHum, Step::Enthalpy, Step::DewPoint, Step::WetBulb, Step::Density},
    /* 1 Temp, HumRatio */ {Step::RelHum, Step::Enthalpy, Step::DewPoint, Step::WetBulb, Step::Density},
    /* 2 Temp, Enthalpy */ {Step::HumRatioFromEnthalpyTemp, Step::RelHum, Step::DewPoint, Step::WetBulb, Step::Density},
    /* 3 HumRatio, Enthalpy */
    {Step::TempFromEnthalpyHumRatio, Step::RelHum, Step::DewPoint, Step::WetBulb, Step::Density},
    /* 4 Enthalpy, RelHum */
    {Step::TempFromEnthalpyRelHum, Step::HumRatioFromTempRelHum, Step::DewPoint, Step::WetBulb, Step::Density},
    /* 5 HumRatio, RelHum */
    {Step::TempFromHumRatioRelHum, Step::Enthalpy, Step::DewPoint, Step::WetBulb, Step::Density},
    /* 6 DewPoint, Temp */
    {Step::HumRatioFromDewPoint, Step::RelHum, Step::Enthalpy, Step::DewPoint, Step::WetBulb, Step::Density},
    /* 7 WetBulb, Temp */
    {Step::EnthalpyFromWetBulb, Step::HumRatioFromEnthalpyTemp, Step::RelHum, Step::DewPoint, Step::Density},
    /* 8 DewPoint, Enthalpy */
    {Step::HumRatioFromDewPoint, Step::TempFromEnthalpyHumRatio, Step::RelHum, Step::WetBulb, Step::Density},
    /* 9 DewPoint, WetBulb */
    {Step::HumRatioFromDewPoint, Step::EnthalpyFromWetBulb, Step::TempFromEnthalpyHumRatio, Step::RelHum,
     Step::Density},
    /* 10 DewPoint, RelHum */
    {Step::HumRatioFromDewPoint, Step::TempFromHumRatioRelHum, Step::Enthalpy, Step::WetBulb, Step::Density},
    /* 11 WetBulb, RelHum */
    {Step::EnthalpyFromWetBulb, Step::TempFromEnthalpyRelHum, Step::HumRatioFromTempRelHum, Step::DewPoint,
     Step::Density},
    /* 12 WetBulb, HumRatio */
    {Step::EnthalpyFromWetBulb, Step::TempFromEnthalpyHumRatio, Step::RelHum, Step::DewPoint, Step::Density},
}};

// Enthalpy of saturated air at temperature w.
double SaturatedEnthalpy(double w, double p)
{
    return EnthalpyOf(w, HumRatioOf(w, 100, p), p);
}

// The completion of one state. relHumBelongs is set once RelHum and HumRatio
// belong together exactly, one computed from the other at Temp: the enthalpy
// then reads the saturation from RelHum (EnthalpyOfKnownRelHum).
void RunStep(Step step, MoistAirState& s, double p, bool& relHumBelongs)
{
    switch (step) {
    case Step::End:
        break;
    case Step::HumRatioFromTempRelHum:
        s.HumRatio = HumRatioOf(s.Temp, s.RelHum, p);
        relHumBelongs = true;
        break;
    case Step::HumRatioFromEnthalpyTemp:
        s.HumRatio = HumRatioOfEnthalpy(s.Enthalpy, s.Temp);
        break;
    case Step::HumRatioFromDewPoint:
        s.HumRatio = HumRatioOf(s.DewPoint, 100, p);
        break;
    case Step::TempFromEnthalpyHumRatio:
        s.Temp = TempOfEnthalpy(s.Enthalpy, s.HumRatio);
        break;
    case Step::TempFromEnthalpyRelHum:
        s.Temp = IsenthalpicTemp(s.Enthalpy / CpDryAir, 0, p, s.RelHum);
        break;
    case Step::TempFromHumRatioRelHum:
        s.Temp = TempOfHumRatioRelHum(s.HumRatio, s.RelHum, p);
        break;
    case Step::EnthalpyFromWetBulb:
        s.Enthalpy = SaturatedEnthalpy(s.WetBulb, p);
        break;
    case Step::RelHum:
        s.RelHum = RelHumOf(s.Temp, s.HumRatio, p);
        relHumBelongs = true;
        break;
    case Step::Enthalpy:
        s.Enthalpy = relHumBelongs ? EnthalpyOfKnownRelHum(s.Temp, s.HumRatio, s.RelHum, p)
                                   : EnthalpyOf(s.Temp, s.HumRatio, p);
        break;
    case Step::DewPoint:
        s.DewPoint = DewPointOf(s.HumRatio, p);
        break;
    case Step::WetBulb:
        s.WetBulb = IsenthalpicTemp(s.Temp, s.HumRatio, p, 100);
        break;
    case Step::Density:
        s.Density = DensityOf(s.Temp, s.HumRatio, p);
        break;
    }
}

}  // namespace

bool CompleteAirState(std::uint8_t mode, MoistAirState& state, double p, StateFields fields)
{
    if (mode >= StateInputModeCount)
        return true;
    const bool skipSearches = fields == StateFields::WithoutDewPointAndWetBulb;
    bool relHumBelongs = false;
    for (const Step step : ModeSteps[mode]) {
        if (step == Step::End)
            break;
        if (skipSearches && (step == Step::DewPoint || step == Step::WetBulb)) {
            (step == Step::DewPoint ? state.DewPoint : state.WetBulb) = std::numeric_limits<double>::quiet_NaN();
            continue;
        }
        RunStep(step, state, p, relHumBelongs);
    }
    if (state.HumRatio < 0)
        throw EMathError("the vapour pressure is not below the air pressure");
    return true;
}
