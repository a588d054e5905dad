// SPDX-License-Identifier: MIT
#pragma once

#include <QSize>

namespace startup {

// Whole scale factors keep every control on whole device pixels, so a moving ball leaves no seam or trail and
// the pictures are drawn from their own or double-resolution art, never enlarged. A fractional factor rounds
// down below .75 (1.25 and 1.5 draw at 1, 1.75 to 2.5 at 2) and a factor below 1 draws at 1, whether the
// desktop gives it as its screens' dpi or in QT_SCALE_FACTOR and QT_SCREEN_SCALE_FACTORS. Call before the
// application is created.
void useWholeScaleFactors();

// The room a window manager's frame takes around a window, in pixels at scale 1: a title bar of up to 40
// pixels and borders of up to 4.
inline constexpr QSize frameAllowance(8, 44);

// The base scale is the toolkit's own factor of 1, at which the screen's room is measured exactly, where at a
// large factor it is rounded to whole scaled pixels. A Wayland compositor's own scale still applies there:
// the compositor sets the room a window takes on its screens, and a lower scale would only blur the window.

// Whether `size` (pixels at scale 1, frame included) fits the primary screen's available area at the scale
// the toolkit draws at now; false when there is no screen.
bool fitsScreen(QSize size);

// Whether `size` fits the primary screen's device pixels, the toolkit at its base scale.
bool fitsDevicePixels(QSize size);

// The largest whole scale from 1 to `upTo` (no more than 16) at which `size` fits, the toolkit at its base
// scale; 0 when even 1 does not. Whatever is not a number is taken as 1.
int largestFittingScale(QSize size, double upTo);

// Makes the next application draw at exactly `scale` times the base scale on every screen, whatever the
// desktop's setting.
void drawNextAtScale(int scale);

} // namespace startup
