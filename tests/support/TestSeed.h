// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// The seed of a randomised test: the same every run, so that a failure is replayed as it is, unless the
// environment variable `variable` gives another. Said on standard error, so that a failure's log has it.
inline std::uint64_t testSeed(const char* variable)
{
    const char* given = std::getenv(variable);
    const std::uint64_t seed = given ? std::strtoull(given, nullptr, 10) : 20261209;
    std::fprintf(stderr, "seed %llu (%s sets another)\n", static_cast<unsigned long long>(seed), variable);
    return seed;
}
