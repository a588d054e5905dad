// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

namespace runtime {

inline constexpr int twipsPerPixel = 15;

// The nearest whole pixel to a position in twips, halves away from zero;
// nothing when the position is not finite or lies beyond what a window can place.
std::optional<int> pixelsFromTwips(float twips);

} // namespace runtime
