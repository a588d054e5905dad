// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace startup {

// What the Wayland compositor named by the environment says of itself when asked once, within a bounded time.
struct CompositorAnswer {
    enum class Outcome {
        answered,
        // No compositor there to ask (no socket, or no Wayland client library): the toolkit's own start says
        // so.
        unreachable,
        // It accepted and then failed: closed the connection, broke the protocol or never answered.
        failed,
    };
    Outcome outcome = Outcome::unreachable;
    // Why it failed, in Spanish, with the library's reason.
    std::string failure;
    // It offers to draw its clients' title bars (the standard protocol or KDE's).
    bool decorates = false;
    // The largest scale of its outputs, and the widest of their modes in device pixels.
    int largestScale = 1;
    int widestOutputPixels = 0;
};

// Asks the compositor, waiting for it at most `patienceMilliseconds`. The client library is loaded only here.
CompositorAnswer askCompositor(int patienceMilliseconds);

} // namespace startup
