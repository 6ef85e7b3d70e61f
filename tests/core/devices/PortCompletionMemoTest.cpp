// The memo of a port completion: what CompleteAirPort gives, taken from the
// last completion only while the modes, fields, pressure and given values
// are the same.

#include <cstring>

#include <gtest/gtest.h>

#include "core/devices/PortCompletionMemo.h"
#include "core/thermo/FloatFault.h"

namespace {

constexpr auto TempHumRatio = static_cast<std::uint8_t>(StateInputMode::TempHumRatio);
constexpr auto TempRelHum = static_cast<std::uint8_t>(StateInputMode::TempRelHum);
constexpr auto DryMassFlow = static_cast<std::uint8_t>(FlowInputMode::DryMassFlow);
constexpr auto Fewer = StateFields::WithoutDewPointAndWetBulb;

AirPort Given(double t, double x, double relHum, double dryMassFlow)
{
    AirPort port;
    port.Temp = t;
    port.HumRatio = x;
    port.RelHum = relHum;
    port.DryMassFlow = dryMassFlow;
    return port;
}

// The memo's completion against CompleteAirPort's, every field bit for bit
// (the skipped dew point and wet bulb are NaN in both).
void ExpectCompletedAlike(PortCompletionMemo& memo, AirPort port, std::uint8_t stateMode, double p, StateFields fields)
{
    AirPort expected = port;
    CompleteAirPort(expected, stateMode, DryMassFlow, p, fields);
    memo.Complete(port, stateMode, DryMassFlow, p, fields);
    EXPECT_EQ(std::memcmp(&port, &expected, sizeof port), 0)
        << "mode " << int{stateMode} << ", t " << port.Temp << ", p " << p;
}

TEST(PortCompletionMemo, CompletesAsCompleteAirPortWhateverChanged)
{
    PortCompletionMemo memo;
    ExpectCompletedAlike(memo, Given(-8, 1.5, 0, 5000), TempHumRatio, 1013, Fewer);
    // The same given values with other leftovers: the kept completion.
    ExpectCompletedAlike(memo, Given(-8, 1.5, 77, 5000), TempHumRatio, 1013, Fewer);
    // Each given value, the pressure, the fields and the mode change it.
    ExpectCompletedAlike(memo, Given(-8, 1.5, 77, 5200), TempHumRatio, 1013, Fewer);
    ExpectCompletedAlike(memo, Given(-8, 1.6, 77, 5200), TempHumRatio, 1013, Fewer);
    ExpectCompletedAlike(memo, Given(-8, 1.6, 77, 5200), TempHumRatio, 950, Fewer);
    ExpectCompletedAlike(memo, Given(-8, 1.6, 77, 5200), TempHumRatio, 950, StateFields::All);
    ExpectCompletedAlike(memo, Given(-8, 1.6, 77, 5200), TempRelHum, 950, StateFields::All);
    ExpectCompletedAlike(memo, Given(-8, 1.6, 80, 5200), TempRelHum, 950, StateFields::All);

    // A port that is no air fails every time.
    for (int i = 0; i < 2; ++i) {
        AirPort steam = Given(120, 5, 100, 5000);
        EXPECT_THROW(memo.Complete(steam, TempRelHum, DryMassFlow, 1013, Fewer), EMathError);
    }
}

}  // namespace
