// The chosen device's calculation data object for the annual simulation.

#include "core/climate/SimulatedDevice.h"

#include "core/devices/CounterflowPlateExchanger.h"
#include "core/devices/CrossflowPlateExchanger.h"
#include "core/devices/DeviceCodes.h"
#include "core/devices/RotaryExchanger.h"
#include "core/devices/RotorModel.h"
#include "core/devices/RotorProfile.h"
#include "core/devices/SorptionRotor.h"
#include "core/thermo/MoistAirProperties.h"

namespace {

std::unique_ptr<TDatenRWT> RotaryExchanger(const CalcInputs& in)
{
    auto rwt = std::make_unique<TDatenRWT>();
    rwt->RotorDiameter = in.WheelDiameter;
    rwt->RotorType = RotorTypeOfCode(in.RotorTypeCode);
    // The profile names the foil of the aluminium rotors.
    if (in.RotorTypeCode != DefaultFoilRotorCode) {
        rwt->FoilThickness = FoilThicknessOfProfile(in.StorageMassCode);
        rwt->WaveHeight = WaveHeightOfProfile(in.StorageMassCode, rwt->WaveHeight);
    }
    rwt->WavePitch = WavePitchOfHeight(rwt->WaveHeight);
    rwt->RotorDepth = 200;
    return rwt;
}

std::unique_ptr<TDatenZEPRA_2000> SorptionRotor(const CalcInputs& in)
{
    auto zepra = std::make_unique<TDatenZEPRA_2000>();
    zepra->RotorDiameter = in.WheelDiameter;
    zepra->RotorType = RotorTypeOfCode(in.RotorTypeCode);
    if (in.RotorTypeCode == SorptionRotorCode) {
        zepra->FoilThickness = 0.114;
        zepra->WaveHeight = 2.0;
        zepra->RotorType = RotorTypeX;
        zepra->OperatingMode = 1;
    }
    zepra->RotorDepth = 250;
    return zepra;
}

std::unique_ptr<TDatenPWT> CrossFlowExchanger(const CalcInputs& in)
{
    auto pwt = std::make_unique<TDatenPWT>();
    pwt->EdgeLength = in.PlateEdge;
    pwt->PackageWidth = in.PlateWidth;
    pwt->SpacingIndex = in.PlateSpacingCode;
    pwt->UnitCount = in.SeriesCount;
    return pwt;
}

std::unique_ptr<TDatenGS> CounterflowExchanger(const CalcInputs& in)
{
    auto gs = std::make_unique<TDatenGS>();
    gs->GsSize = in.GSSize;
    gs->PackageWidth = in.GSWidth;
    return gs;
}

// Rotor speed in 1/min by internal rotor type.
double RotorSpeedOf(int rotorType)
{
    switch (rotorType) {
    case 2:
        return 15;
    case 6:
        return 20;
    default:
        return 10;
    }
}

}  // namespace

SimulatedDevice::SimulatedDevice(const CalcInputs& inputs) : inputs_(inputs)
{
    switch (inputs.DeviceType) {
    case DeviceKind::Rotary: {
        if (IsSorptionRotorCode(inputs.RotorTypeCode)) {
            auto zepra = SorptionRotor(inputs);
            rotor_ = zepra.get();
            data_ = std::move(zepra);
        } else {
            auto rwt = RotaryExchanger(inputs);
            rotor_ = rwt.get();
            data_ = std::move(rwt);
        }
        break;
    }
    case DeviceKind::CrossFlowPlate: {
        auto pwt = CrossFlowExchanger(inputs);
        plate_ = pwt.get();
        data_ = std::move(pwt);
        break;
    }
    default: {
        auto gs = CounterflowExchanger(inputs);
        plate_ = gs.get();
        data_ = std::move(gs);
        break;
    }
    }
    // The year reads heat, water and pressure drops only.
    data_->CompletedStateFields = StateFields::WithoutDewPointAndWetBulb;
}

SimulatedDevice::~SimulatedDevice() = default;

void SimulatedDevice::Prepare(bool heatingMonth, HourMode hourMode, double outdoorTemp, double outdoorHumRatio)
{
    const CalcInputs& in = inputs_;
    const double p = in.AirPressure;
    TDatenII& d = *data_;
    d.StateMode = 0;  // Temp and RelHum given
    d.FlowMode = 0;   // StdVolFlow given
    d.Pressure = p;
    AirPort& outdoor = d.Stream1.Inlet;
    outdoor.StdVolFlow = heatingMonth ? in.SupplyVolWinter : in.SupplyVolSummer;
    outdoor.Temp = outdoorTemp;
    outdoor.RelHum = RelHumOf(outdoorTemp, outdoorHumRatio, p);
    AirPort& extract = d.Stream2.Inlet;
    extract.StdVolFlow = heatingMonth ? in.ExtractVolWinter : in.ExtractVolSummer;
    extract.Temp = heatingMonth ? in.ExtractTempWinter : in.ExtractTempSummer;
    extract.RelHum = heatingMonth ? in.ExtractHumWinter : in.ExtractHumSummer;

    if (rotor_ == nullptr)
        return;
    rotor_->RotorSpeed = RotorSpeedOf(rotor_->RotorType);
    if (heatingMonth) {
        // An hour without recovery runs only for its pressure drop; the
        // supply limit would ask the wheel to cool the outdoor air.
        rotor_->LimitOutlet1 = hourMode == HourMode::WinterNoRecovery ? 0 : in.SupplyTempControl;
        rotor_->OutletLimit1 = in.MaxSupplyTemp;
    } else {
        rotor_->LimitOutlet1 = 0;
    }
}

bool SimulatedDevice::Calculate()
{
    data_->Calculate();
    return data_->Status == 0;
}

PointResult SimulatedDevice::Result() const
{
    PointResult r{};
    if (rotor_ != nullptr) {
        r.sensiblePower = rotor_->SensibleHeat1;
        r.latentPower = rotor_->LatentHeat1;
        r.moistureFlow = rotor_->MoistureFlow1;
    } else {
        r.sensiblePower = plate_->HeatTotal1;
    }
    r.pressureDropSupply = data_->Stream1.PressureDrop;
    r.pressureDropExtract = data_->Stream2.PressureDrop;
    return r;
}
