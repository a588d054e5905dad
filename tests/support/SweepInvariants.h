// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <string>

#include "game/Sweep.h"

// The index of `value` in `stops`, or -1 when it is none of them.
inline int stopIndex(const game::StopTable& stops, float value)
{
    const auto found = std::find(stops.begin(), stops.end(), value);
    return found == stops.end() ? -1 : static_cast<int>(found - stops.begin());
}

// What is wrong with a state that play has reached, or nothing: the index stays within -1..8, is 8 only going
// back and -1 only going forward, and each ball stands on one of its stops (the horizontal one may still be
// at its start, 840).
inline std::string brokenSweepInvariant(const game::SweepState& sweep, float left, float top)
{
    const bool goingBack = runtime::isTrue(sweep.goingBack);
    if (sweep.stepIndex < -1 || sweep.stepIndex > 8)
        return "stepIndex " + std::to_string(sweep.stepIndex) + " out of -1..8";
    if ((sweep.stepIndex == 8 && !goingBack) || (sweep.stepIndex == -1 && goingBack))
        return "stepIndex " + std::to_string(sweep.stepIndex) + " with the wrong direction";
    if (left != 840.0f && stopIndex(game::HorizontalStops, left) < 0)
        return "Picture2.Left " + std::to_string(left) + " is no stop";
    if (stopIndex(game::VerticalStops, top) < 0)
        return "Picture1.Top " + std::to_string(top) + " is no stop";
    return {};
}
