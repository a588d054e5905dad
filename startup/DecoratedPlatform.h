// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace startup {

// Where the toolkit would open the window on a Wayland compositor, asks the compositor first, waiting a few
// seconds at most, and chooses the platform for the next application:
// - a compositor that draws its clients' title bars (KDE Plasma's KWin, wlroots' sway) keeps native Wayland;
// - one that draws none (GNOME's mutter, weston) would leave Qt's own bar, whose buttons the desktop does not
//   lay out, so its X11 server (Xwayland) comes first, where the desktop draws the bar; unless that server
//   is narrower than the widest output in device pixels (weston at scale 2): the compositor would enlarge
//   and blur the window there, so native Wayland stays;
// - one that fails or never answers leaves X11 where there is one, and is otherwise a reason to refuse.
// A platform the user chose (QT_QPA_PLATFORM, -platform) is kept. Returns why the start cannot go on, in
// Spanish, or nothing. Call before the application is created.
std::string chooseWindowingPlatform();

} // namespace startup
