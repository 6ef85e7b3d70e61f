#pragma once
// The steps that the cross-flow and the counterflow plate models share.

#include "core/devices/Recuperators.h"

// Raises EMathError unless UnitCount is 1 to 4.
void RequireUnitCount(const TDatenREK& data);

// A humidity ratio of exactly 0 counts as 0.01 g/kg: the dew point and the
// efficiency formulas need a positive value.
double NonZeroHumRatio(double x);

// Capacity flow of an inlet in W/K.
double PlateCapacityFlow(const AirPort& inlet);

// The heat flows of stream 2 mirror those of stream 1; the water x21 − x22
// (g/kg) condenses out of stream 2.
void SetPlateBalances(TDatenREK& data, double x21, double x22);

// The four efficiencies referred to the smaller dry-air mass flow.
void SetEfficienciesOfSmallerFlow(TDatenREK& data);
