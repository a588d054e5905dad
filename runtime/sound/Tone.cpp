// SPDX-License-Identifier: MIT
#include "runtime/sound/Tone.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace runtime::sound {

namespace {

constexpr double peak = 0.2;
constexpr double riseSeconds = 0.002;
constexpr double fallSeconds = 0.012;
constexpr double fadeSeconds = 0.005;

double envelope(double t)
{
    constexpr double length = toneMilliseconds / 1000.0;
    const double rise = t < riseSeconds ? (1 - std::cos(std::numbers::pi * t / riseSeconds)) / 2 : 1;
    const double fade = std::clamp((length - t) / fadeSeconds, 0.0, 1.0);
    return rise * fade * std::exp(-std::max(0.0, t - riseSeconds) / fallSeconds);
}

} // namespace

std::vector<float> synthesize(const Tone& tone, int sampleRate)
{
    // Equal power: the tone is as loud at either side as in the middle.
    const double angle = (std::clamp(tone.pan, -1.0, 1.0) + 1) * std::numbers::pi / 4;
    const double left = std::cos(angle);
    const double right = std::sin(angle);
    const double each = peak / static_cast<double>(std::max<std::size_t>(1, tone.frequencies.size()));
    const int frames = sampleRate * toneMilliseconds / 1000;
    std::vector<float> samples;
    samples.reserve(2 * static_cast<std::size_t>(frames));
    for (int frame = 0; frame < frames; ++frame) {
        const double t = static_cast<double>(frame) / sampleRate;
        double sum = 0;
        for (const double frequency : tone.frequencies)
            sum += std::sin(2 * std::numbers::pi * frequency * t);
        const double value = each * envelope(t) * sum;
        samples.push_back(static_cast<float>(value * left));
        samples.push_back(static_cast<float>(value * right));
    }
    return samples;
}

} // namespace runtime::sound
