// SPDX-License-Identifier: MIT
#pragma once

namespace app {

// The program's name, version, desktop id and locale, as the application reports them. The application
// title is not made the toolkit's display name, which it would append to the window's caption.
void applyApplicationIdentity();

} // namespace app
