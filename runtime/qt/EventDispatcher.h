// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include "runtime/Controls.h"

namespace runtime::qt {

// Delivers the game's events one at a time. An event that arrives while another is being handled
// (a message box runs its own event loop, so ticks keep falling due behind it) is dropped, never queued.
class EventDispatcher {
public:
    using Handler = std::function<void()>;

    // Run-time errors that end a handler are reported in `errorBox`.
    explicit EventDispatcher(MessageBox& errorBox);

    void deliver(const Handler& handler);

private:
    void report(const std::string& message);

    MessageBox& errorBox_;
    bool busy_ = false;
};

} // namespace runtime::qt
