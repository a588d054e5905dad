// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace runtime::qt {

// Whether an X event with sequence number `sequence` was sent at or after the request numbered `request`.
// Event sequence numbers are the low 16 bits of the last request the server had handled; they wrap, and an
// event is never more than half their range behind.
constexpr bool isAtOrAfter(std::uint16_t sequence, std::uint16_t request)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(sequence - request)) >= 0;
}

} // namespace runtime::qt
