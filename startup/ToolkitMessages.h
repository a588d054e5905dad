// SPDX-License-Identifier: MIT
#pragma once

namespace startup {

// From now on every message of the toolkit (its warnings name what came from outside: a style, a platform,
// a value of the environment) reaches standard error through the handler it had, each of its lines of
// bounded length and unable to act on the terminal. Call before the toolkit starts.
void showToolkitMessagesSafely();

} // namespace startup
