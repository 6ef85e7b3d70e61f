// The memo of a last result: it answers for the very same bits only and
// never keeps a failure.

#include <cfenv>
#include <cmath>

#include <gtest/gtest.h>

#include "core/thermo/FloatFault.h"
#include "core/thermo/LastResultMemo.h"

namespace {

TEST(LastResultMemo, AnswersTheSameBitsOnlyAndKeepsNoFailure)
{
    LastResultMemo<double, 2> memo;
    int computed = 0;
    const auto doubled = [&](double v) {
        return memo.Get({v, 7}, [&] {
            ++computed;
            return 2 * v;
        });
    };
    EXPECT_EQ(doubled(1.5), 3);
    EXPECT_EQ(doubled(1.5), 3);
    EXPECT_EQ(computed, 1);
    doubled(0.0);
    doubled(-0.0);  // equal as numbers, not as bits
    EXPECT_EQ(computed, 3);

    // A computation that raised a fault flag or threw is asked again; the
    // last good result stays.
    FpFaultScope scope;
    const auto faulting = [&] {
        ++computed;
        return std::log(-1.0);
    };
    EXPECT_TRUE(std::isnan(memo.Get({2, 7}, faulting)));
    std::feclearexcept(FpFaultFlags);
    EXPECT_TRUE(std::isnan(memo.Get({2, 7}, faulting)));
    std::feclearexcept(FpFaultFlags);
    EXPECT_EQ(computed, 5);
    doubled(4);
    EXPECT_THROW(memo.Get({5, 7}, []() -> double { throw EMathError("no result"); }), EMathError);
    EXPECT_EQ(doubled(4), 8);
    EXPECT_EQ(computed, 6);
}

TEST(LastResultMemo, KeepsTheLastFewAndReplacesTheOldest)
{
    LastResultMemo<int, 1, 3> memo;
    int computed = 0;
    const auto count = [&](double key) { return memo.Get({key}, [&] { return ++computed; }); };
    for (const double key : {1.0, 2.0, 3.0, 1.0, 2.0, 3.0})
        count(key);
    EXPECT_EQ(computed, 3);
    EXPECT_EQ(count(4), 4);  // in place of 1, the oldest
    EXPECT_EQ(count(2), 2);
    EXPECT_EQ(count(1), 5);  // in place of 2, now the oldest
    EXPECT_EQ(count(3), 3);
    EXPECT_EQ(count(2), 6);
}

}  // namespace
