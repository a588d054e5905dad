// SPDX-License-Identifier: MIT
#include "startup/StandardStreams.h"

#include <cerrno>
#include <fcntl.h>

namespace startup {

void openClosedStandardStreams()
{
    for (int descriptor = 0; descriptor <= 2; ++descriptor) {
        if (::fcntl(descriptor, F_GETFD) == -1 && errno == EBADF)
            // The lowest free number is this one, as the lower ones are open.
            ::open("/dev/null", O_RDWR);
    }
}

} // namespace startup
