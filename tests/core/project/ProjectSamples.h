#pragma once
// A project for the tests: every input away from its first-start value, a
// title and a note beyond ASCII, and the sample climate data set embedded or
// a built-in zone.

#include <optional>

#include "core/devices/CrossflowPlateTables.h"
#include "core/project/Project.h"
#include "tests/core/climate/ClimateSamples.h"

// The sample data set with a name beyond ASCII and times that need all
// their digits.
inline ClimateRecord SampleClimate()
{
    ClimateRecord r = SampleClimateRecord();
    r.Name = "Hof, Oberfranken – Süd";
    r.MaxTime.fill(15 + 1.0 / 3);
    return r;
}

// Every input away from its first-start value, numbers that need all their
// digits among them.
inline CalcInputs SampleInputs()
{
    CalcInputs in;
    in.AirPressure = 987.6543210987654;
    in.SupplyVolWinter = 12345.678;
    in.ExtractVolWinter = 11000.1;
    in.ExtractTempWinter = 21.3;
    in.ExtractHumWinter = 0.1 + 0.2;
    in.SupplyVolSummer = 9000;
    in.ExtractVolSummer = 8500;
    in.ExtractTempSummer = 25;
    in.ExtractHumSummer = 55;
    in.DeviceType = DeviceKind::CrossFlowPlate;
    in.RotorTypeCode = 10;
    in.WheelDiameter = 2500;
    in.DrivePower = 250;
    in.StorageMassCode = "D17";
    in.PlateEdgeItem = 5;
    in.PlateEdge = PlateEdgeList[4];
    in.PlateWidth = 1500;
    in.PlateSpacingCode = 3;
    in.SeriesCount = 2;
    in.GSSize = 45;
    in.GSWidth = 600;
    in.OperatingFrom = 0;
    in.OperatingTo = 24;
    in.DaysPerWeek = 5.5;
    in.HeatingMonthFrom = 0;
    in.HeatingMonthTo = 0;
    in.SupplyTempControl = false;
    in.MaxSupplyTemp = 19;
    in.SummerMode = SummerOperation::SwitchOverTemperature;
    in.SummerSwitchTemp = 24.5;
    in.Investment = 54321.5;
    in.Lifetime = 20;
    in.InterestRate = 4.25;
    in.PriceElectric = 180;
    in.PriceHeat = 90;
    in.PriceCold = 110;
    in.PriceWater = 3.5;
    in.Maintenance = 250;
    in.MaintenanceMode = CostMode::AmountPerYear;
    in.Service = 100;
    in.ServiceMode = CostMode::AmountPerYear;
    return in;
}

inline Project SampleProject(bool embedded)
{
    Project p = ProjectOf(SampleInputs(), false, embedded ? std::optional(SampleClimate()) : std::nullopt);
    if (!embedded)
        p.Inputs.ClimateZone = 3;
    p.Title = "Klinikum Nord, RLT 3 \"OP\"";
    p.Note = "Zeile 1\nZeile 2\t€";
    return p;
}
