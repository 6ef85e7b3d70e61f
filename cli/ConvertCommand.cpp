// wrgcalc convert: one value from one unit to another.

#include "cli/ConvertCommand.h"

const char* const ConvertCommandHelp = R"(KIND is the quantity, FROM and TO are unit codes:
   1 air volume flow      1 m3/h, 2 cfm
   2 temperature          3 degC, 4 degF
   3 humidity ratio       5 g/kg, 6 gr/lb
   4 pressure difference  7 Pa, 8 in.W.G.
   5 air velocity         9 m/s, 10 fpm
   6 heat flow           11 W, 12 kW, 13 BTU/h
   7 air pressure       14 mbar, 15 atm
   8 mass (flow)        16 kg, 17 lb
   9 mass (flow)        18 kg, 19 lb
  10 length             20 m, 21 mm, 22 ft, 23 in
  11 specific enthalpy  24 kJ/kg, 25 BTU/lb
  12 no conversion      26, 27
  13 density            28 kg/m3, 29 lb/ft3
A FROM code of another kind counts as the kind's first unit; a TO code of
another kind, and the kinds 12 and others, leave the value unchanged.
Example: wrgcalc convert 2 3 4 20   prints 68)";
