// SPDX-License-Identifier: MIT
#include "runtime/StandardStreams.h"

#include <cerrno>

#include <fcntl.h>

namespace runtime {

void openClosedStandardStreams()
{
    for (int descriptor = 0; descriptor <= 2; ++descriptor) {
        if (::fcntl(descriptor, F_GETFD) == -1 && errno == EBADF)
            // The lowest free number is this one, as the lower ones are open.
            ::open("/dev/null", O_RDWR);
    }
}

} // namespace runtime
