// SPDX-License-Identifier: MIT
#include "runtime/Integer16.h"

#include <limits>

#include "runtime/RuntimeError.h"

namespace runtime {

Integer16 add16(Integer16 a, Integer16 b)
{
    const int sum = int{a} + int{b};
    if (sum < std::numeric_limits<Integer16>::min() || sum > std::numeric_limits<Integer16>::max())
        throw overflowError();
    return static_cast<Integer16>(sum);
}

} // namespace runtime
