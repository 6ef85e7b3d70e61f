#pragma once
// The outdoor air of a typical year: for each month three day types, each with
// a number of days, 24 hourly temperatures and one humidity ratio. Indices run
// from 1: month 1..12, day type 1..3, hour 1..24 (the hour ending at h o'clock).
// Every accessor takes them in the same order: day type, hour, month.

#include <array>
#include <cstddef>

struct ClimateYear {
    std::array<double, 36> DayCount{};         // days, day type fastest
    std::array<double, 864> OutdoorTemp{};     // °C, month fastest, then hour, then day type
    std::array<double, 36> OutdoorHumRatio{};  // g/kg, month fastest

    static constexpr std::size_t DayCountIndex(int dayType, int month) { return (month - 1) * 3 + (dayType - 1); }
    static constexpr std::size_t TempIndex(int dayType, int hour, int month)
    {
        return ((dayType - 1) * 24 + (hour - 1)) * 12 + (month - 1);
    }
    static constexpr std::size_t HumRatioIndex(int dayType, int month) { return (dayType - 1) * 12 + (month - 1); }

    double& Days(int dayType, int month) { return DayCount[DayCountIndex(dayType, month)]; }
    double Days(int dayType, int month) const { return DayCount[DayCountIndex(dayType, month)]; }
    double& Temp(int dayType, int hour, int month) { return OutdoorTemp[TempIndex(dayType, hour, month)]; }
    double Temp(int dayType, int hour, int month) const { return OutdoorTemp[TempIndex(dayType, hour, month)]; }
    double& HumRatio(int dayType, int month) { return OutdoorHumRatio[HumRatioIndex(dayType, month)]; }
    double HumRatio(int dayType, int month) const { return OutdoorHumRatio[HumRatioIndex(dayType, month)]; }
};
