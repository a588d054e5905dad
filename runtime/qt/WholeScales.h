// SPDX-License-Identifier: MIT
#pragma once

#include <QSize>

namespace runtime::qt {

// Whole scale factors keep every control on whole device pixels, so a moving ball leaves no seam or trail and
// the pictures are drawn from their own or double-resolution art, never enlarged. A fractional factor rounds
// down below .75 (1.25 and 1.5 draw at 1, 1.75 to 2.5 at 2) and a factor below 1 draws at 1, whether the
// desktop gives it as its screens' dpi or in QT_SCALE_FACTOR and QT_SCREEN_SCALE_FACTORS. Call before the
// application is created.
void useWholeScaleFactors();

// The room a window manager's frame takes around a window, in pixels at scale 1: a title bar of up to 40
// pixels and borders of up to 4.
inline constexpr QSize frameAllowance(8, 44);

// The largest whole scale, no larger than the toolkit's present one and no smaller than 1, at which a window
// of this client size (in pixels at scale 1) with its frame fits the primary screen's available area; 0 when
// even 1 does not, or when there is no screen.
int fittingScale(QSize clientSize);

// Makes the next application draw at exactly `scale` on every screen, whatever the desktop's setting.
void drawAtScale(int scale);

} // namespace runtime::qt
