// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

namespace runtime::sound {

// A short, soft sound: sine waves sounded together, placed between the two loudspeakers.
struct Tone {
    // One or more, each in hertz; several sound as a chord.
    std::vector<double> frequencies;
    // -1 full left, 0 centre, 1 full right.
    double pan = 0;
};

// How long every tone lasts, well under the 100 ms that a ball stands on a stop.
inline constexpr int toneMilliseconds = 60;

// The tone as interleaved left and right samples at `sampleRate`: a 2 ms rise, a quick fall and silence at
// the end, never louder than a fifth of full scale, so that it clicks at neither end and stays quiet.
std::vector<float> synthesize(const Tone& tone, int sampleRate);

} // namespace runtime::sound
