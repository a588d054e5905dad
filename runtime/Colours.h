// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace runtime {

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(const Colour&, const Colour&) = default;
};

// The system colours at their standard-scheme values, so the game looks the same on every desktop.
namespace SystemColours {
inline constexpr Colour menuText{0, 0, 0};
inline constexpr Colour windowBackground{255, 255, 255};
inline constexpr Colour windowText{0, 0, 0};
inline constexpr Colour buttonFace{192, 192, 192};
inline constexpr Colour buttonText{0, 0, 0};
// A push button's raised edge: lit at the top and left, shaded at the bottom and right.
inline constexpr Colour buttonHighlight{255, 255, 255};
inline constexpr Colour buttonShadow{128, 128, 128};
inline constexpr Colour buttonDarkShadow{0, 0, 0};
inline constexpr Colour titleBarText{255, 255, 255};
} // namespace SystemColours

} // namespace runtime
