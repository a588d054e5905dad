// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>

namespace bench {

// Nanoseconds on the clock that the harness also reads (CLOCK_MONOTONIC), so times compare across processes.
inline long long monotonicNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace bench
