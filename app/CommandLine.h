// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

namespace app {

// The game takes no arguments of its own; it answers --help and --version, in Spanish, and leaves the
// toolkit's own options (-platform, -style, ...) to the toolkit.

// Before the toolkit starts, so that it answers without a display: prints the help or the version on standard
// output and gives the exit status when the command line asks for either, else nothing.
std::optional<int> answerInformationRequest(int argc, char* argv[]);

// After the toolkit has taken its own options: whatever is left is no option of ours. Says so in one line on
// standard error and gives the exit status, or nothing when no argument is left.
std::optional<int> refuseUnknownArguments(int argc, char* argv[]);

} // namespace app
