#pragma once
// wrgcalc convert: one value from one unit to another.

// The help text listing the kinds and unit codes.
extern const char* const ConvertCommandHelp;
