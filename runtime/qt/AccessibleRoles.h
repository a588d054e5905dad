// SPDX-License-Identifier: MIT
#pragma once

namespace runtime::qt {

// Makes screen readers see picture boxes and shapes as graphics (their names come from the description),
// where Qt would present a plain widget as an unnamed client area, and a Notice as a notification.
// Installing it twice does no harm.
void installAccessibleRoles();

} // namespace runtime::qt
