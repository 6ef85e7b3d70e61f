// The regenerators' level of the calculation data (TDatenREG).

#include "core/devices/Regenerators.h"

#include <utility>

void TDatenREG::SwapStreams()
{
    TDatenII::SwapStreams();
    std::swap(TempEff1, TempEff2);
    std::swap(HumEff1, HumEff2);
    std::swap(SensibleHeat1, SensibleHeat2);
    std::swap(LatentHeat1, LatentHeat2);
    std::swap(TotalHeat1, TotalHeat2);
    std::swap(MoistureFlow1, MoistureFlow2);
    std::swap(Condensate1, Condensate2);
    std::swap(TempEffMin1, TempEffMin2);
    std::swap(HumEffMin1, HumEffMin2);
}

void TDatenREG::SetRotorDefaults()
{
    RotorType = 1;
    RotorDepth = 200;
    FoilThickness = 0.08;
    WaveHeight = 1.9;
    RotorSpeed = 10;
    LimitOutlet1 = 0;
}
