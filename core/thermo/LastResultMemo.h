#pragma once
// The last results of a pure computation, kept with the exact bits of their
// inputs: asked again with the same bits, it answers without computing.
//
// For loops that repeat a computation with inputs that often have not changed
// since the last round (the units of a series, pass after pass) or that come
// round again after a few rounds. The owner keeps it for as long as the loop
// runs; nothing is shared between threads.

#include <array>
#include <bit>
#include <cfenv>
#include <cstddef>
#include <cstdint>

#include "core/thermo/FloatFault.h"

// Result must depend on nothing but the key; the last Depth results are kept.
// Keys are compared bit for bit: −0 and 0 are different keys, and so are
// NaNs of different payloads, so a hit is always the very computation that
// was made. A result is kept only when computing it threw nothing and left no
// fault flag raised: a failure is always computed again and reported as the
// computation reports it.
template <class Result, std::size_t N, std::size_t Depth = 1>
class LastResultMemo {
public:
    using Key = std::array<double, N>;

    // The kept result of key, or none.
    const Result* Find(const Key& key) const
    {
        for (std::size_t i = 0; i < kept_; ++i) {
            if (SameBits(key, entries_[i].key))
                return &entries_[i].result;
        }
        return nullptr;
    }

    // Keeps the result just computed for key, unless computing it left a
    // fault flag raised; it replaces the oldest kept one.
    void Keep(const Key& key, const Result& result)
    {
        if (std::fetestexcept(FpFaultFlags) != 0)
            return;
        entries_[next_] = {key, result};
        next_ = next_ + 1 == Depth ? 0 : next_ + 1;
        kept_ = kept_ < Depth ? kept_ + 1 : Depth;
    }

    // The kept result of key, or compute() kept and returned.
    template <class Compute>
    Result Get(const Key& key, const Compute& compute)
    {
        if (const Result* kept = Find(key))
            return *kept;
        const Result result = compute();
        Keep(key, result);
        return result;
    }

private:
    static bool SameBits(const Key& a, const Key& b)
    {
        for (std::size_t i = 0; i < N; ++i) {
            if (std::bit_cast<std::uint64_t>(a[i]) != std::bit_cast<std::uint64_t>(b[i]))
                return false;
        }
        return true;
    }

    struct Entry {
        Key key;
        Result result;
    };
    std::array<Entry, Depth> entries_{};
    std::size_t kept_ = 0;
    std::size_t next_ = 0;  // the entry the next result replaces
};
