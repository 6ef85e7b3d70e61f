#pragma once
// The last result of a pure computation, kept with the exact bits of its
// inputs: asked again with the same bits, it answers without computing.
//
// For loops that repeat a computation with inputs that often have not changed
// since the last round (the units of a series, pass after pass). The owner
// keeps it for as long as the loop runs; nothing is shared between threads.

#include <array>
#include <cfenv>
#include <cstddef>
#include <cstring>

#include "core/thermo/FloatFault.h"

// Result must depend on nothing but the key. Keys are compared bit for bit:
// −0 and 0 are different keys, and so are NaNs of different payloads, so a
// hit is always the very computation that was made. A result is kept only
// when computing it threw nothing and left no fault flag raised: a failure
// is always computed again and reported as the computation reports it.
template <class Result, std::size_t N>
class LastResultMemo {
public:
    using Key = std::array<double, N>;

    template <class Compute>
    Result Get(const Key& key, const Compute& compute)
    {
        if (kept_ && std::memcmp(key.data(), key_.data(), sizeof key_) == 0)
            return result_;
        const Result result = compute();
        kept_ = std::fetestexcept(FpFaultFlags) == 0;
        key_ = key;
        result_ = result;
        return result;
    }

private:
    Key key_{};
    Result result_{};
    bool kept_ = false;
};
