#pragma once
// What the device does in one operating hour of the annual simulation.

// The sign tells whether heat is recovered, the magnitude the season: winter
// hours are ±1, summer hours ±2.
enum class HourMode : int {
    Off = 0,  // outside the operating time
    WinterRecovery = 1,
    WinterNoRecovery = -1,  // outdoor air already warmer than the supply limit
    SummerRecovery = 2,
    SummerNoRecovery = -2,  // the summer rule forbids transfer
};

constexpr bool IsWinterHour(HourMode mode)
{
    return mode == HourMode::WinterRecovery || mode == HourMode::WinterNoRecovery;
}

constexpr bool IsSummerHour(HourMode mode)
{
    return mode == HourMode::SummerRecovery || mode == HourMode::SummerNoRecovery;
}

constexpr bool RecoversHeat(HourMode mode)
{
    return mode == HourMode::WinterRecovery || mode == HourMode::SummerRecovery;
}
