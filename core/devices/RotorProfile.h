#pragma once
// The storage mass of a rotor as the device page names it: a letter for the
// foil and two digits for the height of the corrugation, such as "C19".

#include <string_view>

// Foil thickness in mm of the profile's letter: A 0.12, B 0.10, C 0.08, D 0.07;
// any other letter (or none) 0.08.
double FoilThicknessOfProfile(std::string_view profile);

// Wave height in mm of the profile's two digits ("31" 3.1 … "14" 1.4); other
// digits (or none) leave `current` unchanged.
double WaveHeightOfProfile(std::string_view profile, double current);
