// SPDX-License-Identifier: MIT
#pragma once

#include <array>

namespace game {

// The nine positions, in twips, that a ball's sweep passes through; the spacing is uneven on purpose.
using StopTable = std::array<float, 9>;

// Values of Picture2.Left.
inline constexpr StopTable HorizontalStops{600, 1000, 1500, 2000, 2500, 3000, 3500, 4000, 4500};
// Values of Picture1.Top.
inline constexpr StopTable VerticalStops{0, 500, 1000, 1500, 2000, 2300, 2700, 3100, 3500};

} // namespace game
