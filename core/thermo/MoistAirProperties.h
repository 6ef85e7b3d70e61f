#pragma once
// Moist-air property functions: the numeric floor of every device model and of
// the annual simulation.
//
// Units (all arguments and results): temperature t in °C, relative humidity φ
// in % (above 100 for fog), humidity ratio x in g/kg of dry air, specific
// enthalpy h in kJ/kg of dry air (zero: dry air and liquid water at 0 °C), air
// pressure p in mbar, vapour pressures in Pa (note: 100·p is p in Pa), density
// in kg/m³, volume flows in m³/h. Written for building ventilation, about
// −40 … +60 °C, 0 … 100 %, 700 … 1100 mbar; the saturation pressure extends to
// 250 °C and beyond.
//
// The functions are pure. Faults follow core/thermo/FloatFault.h: HumRatioOf and
// RelHumOf handle their own faults (result 0, as for dry air; the caller's
// flags untouched), so does StdDensity (result NaN); DewPointOfVapourPressure and IsenthalpicTemp handle the
// faults of their iteration (result: the start value) but raise EMathError when
// their search walks beyond any physical range; the other functions let their
// faults through to the caller's guard.

// Fixed constants of moist air.
inline constexpr double MolarMassRatio = 622;        // water to air, per mille
inline constexpr double CpDryAir = 1.007;            // kJ/(kg K)
inline constexpr double CpVapour = 1.86;             // kJ/(kg K)
inline constexpr double EvaporationEnthalpy = 2501;  // kJ/kg at 0 °C
inline constexpr double CpLiquidWater = 4.19;        // kJ/(kg K), fog
inline constexpr double CpIce = 2.09;                // kJ/(kg K), ice fog
inline constexpr double IceFogEnthalpyTerm = -344;   // kJ/kg
inline constexpr double GasConstantDryAir = 287;     // J/(kg K)
inline constexpr double GasConstantVapour = 461;     // J/(kg K)
inline constexpr double KelvinOffset = 273.15;       // K at 0 °C
inline constexpr double SatPressureAtZero = 611;     // Pa at 0 °C
inline constexpr double StdTemp = 20;                // °C, standard state
inline constexpr double StdRelHum = 50;              // %, standard state
inline constexpr double StdPressure = 1013;          // mbar, standard state

// Step limits of the two searches. They lie far beyond any physical span
// (2000 K and 5000 K); a search that reaches one has no root and raises
// EMathError instead of walking on forever.
inline constexpr int DewPointWalkStepLimit = 20000;    // steps of 0.1 K
inline constexpr int IsenthalpicWalkStepLimit = 1000;  // steps of 5 K
inline constexpr int DewPointHalvingLimit = 250;

// The fits of ln(ps/611 Pa) as c1·t + c2·t² + c3·|t|³ + c4·t⁴, one per range of t.
struct SatPressureFit {
    double linear, square, cube, fourth;
};
inline constexpr SatPressureFit SatPressureOverIce = {0.0823, -0.0003, -8e-7, -8e-9};              // t < 0 °C
inline constexpr SatPressureFit SatPressureOverWater = {0.07257, -0.0002937, 9.81e-7, -1.901e-9};  // 0 … 100 °C
inline constexpr SatPressureFit SatPressureOfSteam = {0.07142753, -0.0002600931, 6.432223e-7,
                                                      -7.410232e-10};  // 100 … 250 °C

// Saturation vapour pressure in Pa over water, below 0 °C over ice.
double SatPressure(double t);
// Humidity ratio x (g/kg) of air at t, φ, p. 0 for φ ≤ 0.
double HumRatioOf(double t, double relHum, double p);
// Relative humidity φ (%) of air at t, x, p; not limited to 100. 0 for x ≤ 0.
double RelHumOf(double t, double x, double p);
// Dew point (°C) of a vapour pressure pd in Pa: the inverse of SatPressure.
// A non-positive pd is a fault of the caller (the logarithm raises).
double DewPointOfVapourPressure(double pd);
// Dew point (°C) of air with humidity ratio x at p; x = 0 counts as 0.01 g/kg.
double DewPointOf(double x, double p);
// Temperature (°C) at which air of humidity ratio x has relative humidity φ > 0.
double TempOfHumRatioRelHum(double x, double relHum, double p);
// Specific enthalpy (kJ/kg) at t, x, p; supersaturated air counts as fog
// (liquid above 0 °C, ice below). Air at or above the boiling point of water
// at p cannot be saturated: its vapour is all vapour.
double EnthalpyOf(double t, double x, double p);
// EnthalpyOf for a state whose relative humidity belongs to its humidity
// ratio: relHum computed from x by RelHumOf(t, x, p), or x computed from relHum
// by HumRatioOf(t, relHum, p). Both rest on the saturation pressure at t, so
// where relHum shows air clearly below saturation the saturation humidity
// ratio need not be worked out again. The same result and the same raised
// flags as EnthalpyOf.
double EnthalpyOfKnownRelHum(double t, double x, double relHum, double p);
// Specific enthalpy (kJ/kg) of air at t with all its vapour x as vapour.
double EnthalpyOfUnsaturated(double t, double x);
// The same with the saturation humidity ratio xs = HumRatioOf(t, 100, p)
// already known (read only below 100 °C), for a caller that needs it anyway.
double EnthalpyAtSaturation(double t, double x, double xs);
// Density (kg/m³) of the moist air.
double DensityOf(double t, double x, double p);
// Density at the standard state 20 °C, 50 %, 1013 mbar (about 1.1988 kg/m³).
double StdDensity();
// Standard volume flow: the flow of equal mass at the standard density.
double ToStdVolFlow(double volFlow, double t, double x, double p);
double FromStdVolFlow(double stdVolFlow, double t, double x, double p);

// Transport properties of air, linear or quadratic fits in t (°C).
double AirKinViscosity(double t);  // m²/s
double AirPrandtl(double t);       // 1
double AirConductivity(double t);  // W/(m K)

// Heat-exchanger effectiveness formulas shared by the device models.
// R: ratio of the smaller to the larger capacity flow; NTU: transfer units.
double EffCounterflow(double r, double ntu);
// Counterflow formula with a reduced transfer number; needs R > 0.
double EffCorrectedNtu(double r, double ntu);
// The same in two parts, for a caller that meets the same R again and again:
// the factor of the reduced transfer number that depends on R alone, and the
// formula with it.
double CorrectedNtuRatioFactor(double r);
double EffCorrectedNtu(double r, double ratioFactor, double ntu);
// n like units of effectiveness eff1 in counter-current series; needs eff1 ≠ 1.
double EffSeries(int n, double r, double eff1);
// Specific heat (kJ/(kg K)) of ma dry air mixed with mv vapour.
double MixSpecificHeat(double massDryAir, double massVapour);

// Temperature at which air starting at (t0, x0) reaches the relative humidity
// relHumTarget on its line of constant enthalpy (adiabatic humidification or
// its reverse); with 100 the wet bulb temperature. Raises EMathError for
// t0 > 1000 °C or x0 < 0 (empty message) and for a walk without a root.
double IsenthalpicTemp(double t0, double x0, double p, double relHumTarget);

// Temperature of enthalpy h at humidity ratio x, and humidity ratio of enthalpy
// h at temperature t: the line of constant enthalpy in both directions.
double TempOfEnthalpy(double h, double x);
double HumRatioOfEnthalpy(double h, double t);
