#pragma once
// Condensation on the exhaust side of the plate heat exchangers: how much it
// raises the efficiency, and where the exhaust air ends. Temperatures in °C,
// humidity ratios in g/kg, enthalpies in kJ/kg, pressure in mbar.

#include <cstdint>

// Step limit of the exhaust walk, far beyond any physical span (100000 steps
// of 0.05 K are 5000 K); a walk that reaches it raises EMathError.
inline constexpr int ExhaustWalkPassLimit = 100000;

// Enhancement of the heat transfer by condensation, at least 1, for outdoor
// air ΔTd below the dew point of extract air of relative humidity φ.
double CondensationFactor(double dewPointDepth, double relHum);
// The same, at most 1.25: the counterflow exchanger.
double GsCondensationFactor(double dewPointDepth, double relHum);
// Dew-point depth in K up to which condensation stays within its limit.
double CondensationLimit(double relHum);

// 0 without condensation (f = 1), 1 within the limit, 2 beyond it.
std::uint8_t CondensationStateOf(double factor, double dewPointDepth, double relHum);

// The factor on the dry efficiency of stream 1 (in %) for the enhancement f:
// it fades as the efficiency approaches 100 % and never lifts it above 99 %.
double WetEfficiencyFactor(double factor, double effTemp1);

// Temperature of the exhaust air of enthalpy h22 (the extract air 21 cooled by
// the outdoor air 11): the walk from 21 towards the outdoor side until the
// enthalpy falls to h22. Cross-flow exchanger.
double ExhaustOutletTemp(double t11, double t21, double x21, double h22, double p);
// The same for the counterflow exchanger: the walk aims at the outdoor
// temperature and its saturation humidity.
double GsExhaustOutletTemp(double t11, double t21, double x21, double h22, double p);

// Humidity ratio of the exhaust air of enthalpy h22 at t22, limited to
// saturation (the cross-flow exchanger limits it only below 100 °C).
double ExhaustHumRatio(double h22, double t22, double p, bool limitAtAnyTemp);
