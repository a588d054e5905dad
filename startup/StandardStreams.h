// SPDX-License-Identifier: MIT
#pragma once

namespace startup {

// Opens /dev/null on whichever of the standard descriptors 0, 1 and 2 is closed, so that no file or
// connection opened later takes one of their numbers and gets what is written to standard error. Call first
// of all.
void openClosedStandardStreams();

} // namespace startup
