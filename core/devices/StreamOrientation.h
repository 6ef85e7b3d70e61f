#pragma once
// The device models compute with the colder inlet as stream 1.

#include "core/devices/CalculationData.h"

// Puts the colder stream first for the time of a model run: swaps the inlets
// when stream 2 is colder, and gives every result back to its own stream when
// the run ends, also when it ends with an exception.
class ColderStreamFirst {
public:
    explicit ColderStreamFirst(TDatenII& data);
    ~ColderStreamFirst();
    ColderStreamFirst(const ColderStreamFirst&) = delete;
    ColderStreamFirst& operator=(const ColderStreamFirst&) = delete;

    bool Swapped() const { return swapped_; }

private:
    TDatenII& data_;
    bool swapped_;
};
