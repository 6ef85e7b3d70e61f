#pragma once
// The annual energy recovery: the device model evaluated at every hour of
// every typical day of the climate year (3 day types × 12 months × 24 hours)
// or of every day of an actual weather year, weighted with the days each day
// stands for and the operating days per week.

#include <array>
#include <functional>
#include <optional>
#include <variant>

#include "core/climate/AnnualResults.h"
#include "core/climate/CalcInputs.h"
#include "core/climate/ClimateFileLists.h"
#include "core/climate/ClimateYear.h"
#include "core/climate/HourMode.h"
#include "core/climate/WeatherYear.h"
#include "core/text/CoreMessage.h"

// Progress and cancellation of a run; both may be empty.
struct SimulationHooks {
    std::function<void(int percent)> progress;  // 0 … 99 rising, as the days are done
    std::function<bool()> cancelled;            // asked after every operating point
};

struct SimulationCancelled {};

using SimulationOutcome = std::variant<AnnualResults, SimulationCancelled, CoreMessage>;

// The season of each month (Season::Heating or Season::Summer), month 1 first.
std::array<int, 12> MonthSeasons(int heatingMonthFrom, int heatingMonthTo);

// True when hour h (1..24, the hour ending at h o'clock) lies in the daily
// operating time from … to (full hours 0..24); from = to runs all day.
bool IsOperatingHour(int operatingFrom, int operatingTo, int hour);

// The mode of one operating hour: off, winter or summer, with or without
// recovery, from the schedule, the season and the control strategy.
HourMode HourModeOf(const CalcInputs& inputs, bool heatingMonth, double outdoorTemp, double outdoorHumRatio, int hour);

// A message when the inputs cannot be simulated (an unknown device, a time
// outside the day, a value that is not a number); none when they can.
[[nodiscard]] std::optional<CoreMessage> CheckSimulationInputs(const CalcInputs& inputs);

// Simulates the year on the given climate. A device calculation that fails
// ends the run with a message naming its operating point: no partial results.
SimulationOutcome SimulateYear(const CalcInputs& inputs, const ClimateYear& climate, const SimulationHooks& hooks);

// The same on an actual weather year: every day of its month counts once,
// every hour has its own temperature and humidity ratio. A failed point is
// named by its month, day and hour.
SimulationOutcome SimulateYear(const CalcInputs& inputs, const WeatherYear& weather, const SimulationHooks& hooks);

// Loads the climate of the chosen zone (a built-in zone, or a remembered user
// climate file for zones 4 and above), then simulates the year.
SimulationOutcome RunAnnualSimulation(const CalcInputs& inputs, const ClimateFileLists& climateFiles,
                                      const SimulationHooks& hooks);
