#pragma once
// Moisture efficiency of a transfer from stream 2 (inlet t2, x2; outlet
// humidity ratio xOut) in %: the share of the largest possible change, which is
// stream 2 humidified or dried along its line of constant enthalpy until it has
// the relative humidity of stream 1 (t1, x1). 0 when that change is nil.
// p in mbar. Faults reach the caller.
double MoistureEffIsenthalpic(double t1, double x1, double t2, double x2, double xOut, double p);
