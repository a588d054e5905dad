// SPDX-License-Identifier: MIT
#pragma once

namespace startup {

// Where the toolkit would open the window on a Wayland compositor that draws no title bars for its clients
// (GNOME's mutter, weston), Qt 6.4 draws its own, with a maximise button that a window of fixed size cannot
// honour. Such a compositor's X11 server (Xwayland) gets the desktop's own title bar instead, so the next
// application is asked for X11 first, Wayland second. A platform the user chose (QT_QPA_PLATFORM, -platform)
// and a compositor that decorates its clients (KDE Plasma's KWin, wlroots' sway) keep native Wayland. Call
// before the application is created.
void preferAPlatformThatDecorates();

} // namespace startup
