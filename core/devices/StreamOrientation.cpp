// Putting the colder inlet first for the device models, and back.

#include "core/devices/StreamOrientation.h"

ColderStreamFirst::ColderStreamFirst(TDatenII& data)
    : data_(data), swapped_(data.Stream2.Inlet.Temp < data.Stream1.Inlet.Temp)
{
    if (swapped_)
        data_.SwapInlets();
}

ColderStreamFirst::~ColderStreamFirst()
{
    if (swapped_)
        data_.SwapStreams();
}
