// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include "game/StopTables.h"
#include "runtime/Integer16.h"

namespace game {

// Shared by both sweeps: one index and one direction for the whole form, not one per ball.
struct SweepState {
    // The stop that the next tick shows; play keeps it within -1..8.
    runtime::Integer16 stepIndex = 0;
    // False counts up, true counts down.
    runtime::Boolean16 goingBack = runtime::False16;
};

// One tick of a sweep: shows stop stepIndex through `move` when the index is 0..8, then steps the index
// in 16-bit arithmetic and turns at the ends. A throwing `move` leaves the state as it was.
void sweepTick(SweepState& state, const StopTable& stops, const std::function<void(float)>& move);

} // namespace game
