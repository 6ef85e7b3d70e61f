#pragma once
// The last completion of an air port that a calculation completes over and
// over: the inlets of a unit in a series, pass after pass.

#include <cstdint>

#include "core/devices/AirPort.h"
#include "core/thermo/LastResultMemo.h"

class PortCompletionMemo {
public:
    // CompleteAirPort, answered from the last completion when the modes, the
    // fields asked for, the pressure and the given values of the port (the
    // two of its state mode and the one of its flow mode) are bit for bit
    // those of the last one: the completion reads nothing else. Modes outside
    // the tables are completed as CompleteAirPort does, without the memo.
    void Complete(AirPort& port, std::uint8_t stateMode, std::uint8_t flowMode, double p, StateFields fields);

private:
    using Memo = LastResultMemo<AirPort, 7>;
    using Key = Memo::Key;
    Memo last_;
};
