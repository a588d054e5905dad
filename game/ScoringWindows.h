// SPDX-License-Identifier: MIT
#pragma once

namespace game {

// The scoring windows, open at both ends: they hold horizontal stops 4 and 5 and vertical stops 3 and 4.
inline constexpr float horizontalLowerLimit = 2099;
inline constexpr float horizontalUpperLimit = 3199;
inline constexpr float verticalLowerLimit = 1499;
inline constexpr float verticalUpperLimit = 2200;

// Whether a ball standing at `left` (Picture2) or at `top` (Picture1) is over the target: where a throw
// scores.
constexpr bool scoresHorizontally(float left)
{
    return left > horizontalLowerLimit && left < horizontalUpperLimit;
}

constexpr bool scoresVertically(float top)
{
    return top > verticalLowerLimit && top < verticalUpperLimit;
}

} // namespace game
