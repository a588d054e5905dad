// SPDX-License-Identifier: MIT
#include "runtime/Twips.h"

#include <cmath>

namespace runtime {

namespace {

// Widget coordinates are ints and windowing systems clip far below this; larger positions are refused.
constexpr double largestPlaceablePixel = 16777215.0;

} // namespace

std::optional<int> pixelsFromTwips(float twips)
{
    if (!std::isfinite(twips))
        return std::nullopt;
    const double pixels = std::round(double{twips} / twipsPerPixel);
    if (std::fabs(pixels) > largestPlaceablePixel)
        return std::nullopt;
    return static_cast<int>(pixels);
}

} // namespace runtime
