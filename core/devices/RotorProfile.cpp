// The storage mass of a rotor by its profile name.

#include "core/devices/RotorProfile.h"

#include <array>

namespace {

struct FoilRow {
    char letter;
    double thickness;
};
constexpr std::array<FoilRow, 4> FoilThicknesses = {{{'A', 0.12}, {'B', 0.10}, {'C', 0.08}, {'D', 0.07}}};
constexpr double FoilThicknessOtherwise = 0.08;

struct WaveRow {
    std::string_view digits;
    double height;
};
constexpr std::array<WaveRow, 9> WaveHeights = {{
    {"31", 3.1},
    {"29", 2.9},
    {"25", 2.5},
    {"20", 2.0},
    {"19", 1.9},
    {"17", 1.7},
    {"16", 1.6},
    {"15", 1.5},
    {"14", 1.4},
}};

}  // namespace

double FoilThicknessOfProfile(std::string_view profile)
{
    if (!profile.empty()) {
        for (const FoilRow& row : FoilThicknesses) {
            if (row.letter == profile.front())
                return row.thickness;
        }
    }
    return FoilThicknessOtherwise;
}

double WaveHeightOfProfile(std::string_view profile, double current)
{
    const std::string_view digits = profile.substr(profile.empty() ? 0 : 1, 2);
    for (const WaveRow& row : WaveHeights) {
        if (row.digits == digits)
            return row.height;
    }
    return current;
}
