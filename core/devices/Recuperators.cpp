// The recuperators' level of the calculation data (TDatenREK).

#include "core/devices/Recuperators.h"

#include <utility>

void TDatenREK::Update()
{
    TDatenII::Update();
    Calculate();
}

void TDatenREK::SwapStreams()
{
    TDatenII::SwapStreams();
    std::swap(EffTemp1, EffTemp2);
    std::swap(EffTemp1Wet, EffTemp2Wet);
    std::swap(HeatSens1, HeatSens2);
    std::swap(HeatTotal1, HeatTotal2);
    std::swap(Condensate1, Condensate2);
    std::swap(EffMin1, EffMin2);
    std::swap(EffMin1Wet, EffMin2Wet);
}
