// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/FormDescription.h"

namespace window {

// The game's window: 690 x 524 pixels of client area, ten controls in front-to-back order.
const runtime::FormDescription& form1Description();

} // namespace window
