// SPDX-License-Identifier: MIT
#include "game/Sweep.h"

namespace game {

using runtime::Integer16;

void sweepTick(SweepState& state, const StopTable& stops, const std::function<void(float)>& move)
{
    constexpr Integer16 lastStop = static_cast<Integer16>(std::tuple_size_v<StopTable> - 1);
    if (state.stepIndex >= 0 && state.stepIndex <= lastStop)
        move(stops[static_cast<std::size_t>(state.stepIndex)]);

    const Integer16 step = runtime::isTrue(state.goingBack) ? -1 : 1;
    state.stepIndex = runtime::add16(state.stepIndex, step);

    // Both tests run on every tick, the second after the first whatever it found.
    if (state.stepIndex == lastStop)
        state.goingBack = runtime::True16;
    if (state.stepIndex < 1)
        state.goingBack = runtime::False16;
}

} // namespace game
