// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <chrono>
#include <functional>

namespace bench {

// Nanoseconds on the clock that the harness also reads (CLOCK_MONOTONIC), so times compare across processes.
inline long long monotonicNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Calls `then` once the window's first frame is complete: its first paint, and the flush of that frame to
// the screen, which happens before the event loop runs the next queued call.
void afterFirstFrame(QWidget& window, std::function<void()> then);

} // namespace bench
