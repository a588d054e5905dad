// SPDX-License-Identifier: MIT
#pragma once

#include <QSize>

namespace runtime::qt {

// Whole scale factors keep every control on whole device pixels, so a moving ball leaves no seam or trail and
// the pictures are drawn from their own or double-resolution art, never enlarged. A fractional factor rounds
// down below .75: the doubled window would not fit a 1920 x 1080 screen at 1.5 with its title bar. So 1.25
// and 1.5 draw at 1, 1.75 to 2.5 at 2, whether the desktop gives the factor as its screens' dpi or in
// QT_SCALE_FACTOR and QT_SCREEN_SCALE_FACTORS. Call before the application is created.
void useWholeScaleFactors();

// Whether the primary screen, at the scale the toolkit chose, can show a window of this client size (in
// pixels at scale 1) whole and readable; when it cannot, says so in one Spanish line on standard error.
bool screenCanShow(QSize clientSize);

} // namespace runtime::qt
