// SPDX-License-Identifier: MIT
#pragma once

namespace window {

// Titles every message box the program shows.
inline constexpr const char* applicationTitle = "Tirobol";

} // namespace window
