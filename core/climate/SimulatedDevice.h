#pragma once
// The calculation data object of the chosen device, as the annual simulation
// uses it: created and described once per run, given the air of each
// operating point, and read for the results of that point.

#include <memory>

#include "core/climate/CalcInputs.h"
#include "core/climate/HourMode.h"
#include "core/devices/CalculationData.h"

class TDatenREG;
class TDatenREK;

// The results of one operating point that the year sums up.
struct PointResult {
    double sensiblePower;        // kW to the supply air
    double latentPower;          // kW, rotary exchangers only
    double moistureFlow;         // kg/h of water to the supply air, rotary exchangers only
    double pressureDropSupply;   // Pa
    double pressureDropExtract;  // Pa
};

class SimulatedDevice {
public:
    // The device of the inputs with its fixed description (diameter, rotor
    // type and profile, plate geometry, size).
    explicit SimulatedDevice(const CalcInputs& inputs);
    ~SimulatedDevice();
    SimulatedDevice(const SimulatedDevice&) = delete;
    SimulatedDevice& operator=(const SimulatedDevice&) = delete;

    // Sets the air of one operating point: outdoor air (temperature °C,
    // humidity ratio g/kg) against the extract air of the season, and the
    // rotor speed and outlet limit for the hour mode.
    void Prepare(bool heatingMonth, HourMode hourMode, double outdoorTemp, double outdoorHumRatio);

    // Runs the device model; false when it failed.
    bool Calculate();

    PointResult Result() const;

private:
    const CalcInputs& inputs_;
    std::unique_ptr<TDatenII> data_;
    TDatenREG* rotor_ = nullptr;  // the same object, when it is a rotary exchanger
    TDatenREK* plate_ = nullptr;  // the same object, when it is a plate exchanger
};
