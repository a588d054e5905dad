// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace runtime {

// The game's integers and booleans are 16-bit; a boolean is stored as -1 (true) or 0 (false).
using Integer16 = std::int16_t;
using Boolean16 = std::int16_t;

inline constexpr Boolean16 True16 = -1;
inline constexpr Boolean16 False16 = 0;

// Zero is false, any other value true.
constexpr bool isTrue(Boolean16 value) noexcept
{
    return value != 0;
}

constexpr Boolean16 toBoolean16(bool value) noexcept
{
    return value ? True16 : False16;
}

// a + b; throws the overflow error when the sum leaves -32768..32767.
Integer16 add16(Integer16 a, Integer16 b);

} // namespace runtime
