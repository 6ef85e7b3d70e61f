#pragma once
// Counts the heap allocations of the benchmark program, so that a benchmark
// can show that a calculation allocates nothing.

#include <atomic>
#include <cstddef>

std::size_t AllocationCount();
