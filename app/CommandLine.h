// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

namespace app {

// The game takes no arguments of its own; it answers --help and --version, in Spanish, and leaves the
// toolkit's own options (-platform, -style, ...) to the toolkit.

// Before the toolkit starts, so that it answers without a display: prints the help or the version on standard
// output and gives the exit status when the command line asks for either, else nothing.
std::optional<int> answerInformationRequest(int argc, char* argv[]);

// Before the toolkit starts, so that a mistyped option is told as such even without a display: an argument
// that is neither the toolkit's option (with its value) nor a closing "--" is said, escaped, in one line on
// standard error, with the exit status; else nothing.
std::optional<int> refuseUnknownArguments(int argc, char* argv[]);

} // namespace app
