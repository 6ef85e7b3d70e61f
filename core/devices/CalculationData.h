#pragma once
// The calculation data hierarchy: one object carries the two air streams of a
// heat exchanger, the device description and all results. Each level adds what
// its devices need; four virtual operations drive every calculation.
//
//   TDaten            status, input modes, air pressure
//   └ TDatenI         air stream 1 (outside air that becomes supply air)
//     └ TDatenII      air stream 2 (extract air that becomes exhaust air)
//       ├ TDatenREK   recuperators: TDatenPWT (cross-flow), TDatenGS (counterflow)
//       └ TDatenREG   regenerators: TDatenRWT (rotor model), TDatenRWT_X (model X)
//                                   └ TDatenZEPRA_2000 (sorption rotor)
//
// Failure is reported only through Status: 100 while a step computes and after
// it failed, 0 when the last step succeeded. Calculate never lets an exception
// or a floating-point fault out.

#include <cstdint>

#include "core/devices/AirPort.h"
#include "core/devices/StatusGuard.h"

// Status of a step that is running or has failed.
inline constexpr std::int32_t StatusFailed = 100;

class TDaten {
public:
    std::int32_t Status = 0;
    std::uint8_t StateMode = 0;  // StateInputMode of both inlet states
    std::uint8_t FlowMode = 0;   // FlowInputMode of both inlet flows
    double Pressure = 0;         // air pressure in mbar

    // Which fields the completed inlet and outlet states carry. All by
    // default; a caller that reads neither dew points nor wet bulb
    // temperatures (the annual simulation) may skip those two searches.
    StateFields CompletedStateFields = StateFields::All;

    TDaten() = default;
    TDaten(const TDaten&) = default;
    TDaten& operator=(const TDaten&) = default;
    virtual ~TDaten() = default;

    // Completes the inlets and what a class derives from them.
    virtual void Update() {}
    // Completes the inlets and runs the device model.
    virtual void Calculate() {}
    // Exchanges the inlets of the two streams.
    virtual void SwapInlets() {}
    // Exchanges everything of one stream with its counterpart of the other.
    virtual void SwapStreams() {}

protected:
    // Runs one level step under the status guard: Status is 100 while it runs
    // and stays 100 when it faults; 0 on success. Returns true on success.
    template <class Step>
    bool GuardedStep(Step&& step)
    {
        Status = StatusFailed;
        if (!RunStatusGuarded(step))
            return false;
        Status = 0;
        return true;
    }

    // Runs a part of Calculate that sets Status through level guards of its
    // own (an inner Update) and may fault outside them. It succeeded only when
    // it raised no fault outside its guards and left Status at 0: a failure
    // must never read as success because an inner guard set 0 before.
    template <class Part>
    bool RunGuardedPart(Part&& part)
    {
        return RunStatusGuarded(part) && Status == 0;
    }
};

class TDatenI : public TDaten {
public:
    AirStreamData Stream1;

    void Update() override;
    void Calculate() override;

protected:
    bool CompleteInlet1();
};

class TDatenII : public TDatenI {
public:
    AirStreamData Stream2;

    void Update() override;
    void Calculate() override;
    void SwapInlets() override;
    void SwapStreams() override;

protected:
    // Level I, then stream 2 when stream 1 succeeded.
    bool CompleteInlets();
};
