// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace startup {

// Text that came from outside (an argument, an environment variable, a library's message) as it can be shown
// inside one line of a terminal without acting on it: backslashes doubled; control bytes, DEL and bytes that
// are not UTF-8 as \xNN; C1 controls and the bidirectional embeddings, overrides and isolates as \uNNNN. What
// is shown is at most `maximumBytes` long, escapes included: where the text would be longer it is cut between
// two characters, and "…" marks the cut.
std::string shownOnOneLine(std::string_view text, std::size_t maximumBytes = 300);

} // namespace startup
