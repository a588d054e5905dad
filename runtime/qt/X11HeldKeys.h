// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractNativeEventFilter>

#include <array>
#include <bitset>
#include <cstdint>

struct xcb_connection_t;

namespace runtime::qt {

// On X11, drops the presses of a held key that the server repeats, before the toolkit sees them, by what the
// server reports. It asks for XKB's detectable auto-repeat, with which a held key sends presses and one
// release: a press of a key already down is a repeat. A server that refuses the flag sends release/press
// pairs stamped with one server time instead: a press stamped with its key's last release is a repeat.
// Keys are followed by key code through the events of every window of the program, blocked by a modal box
// or not. A release that went to another client is never seen, so whenever a window of the program gains
// the focus, every key the server reports up is taken as up.
class X11HeldKeys : public QAbstractNativeEventFilter {
public:
    explicit X11HeldKeys(xcb_connection_t* connection);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    bool isRepeat(std::uint8_t keyCode, std::uint32_t time);
    void forgetKeysTheServerReportsUp();

    xcb_connection_t* connection_;
    std::bitset<256> down_;
    std::array<std::uint32_t, 256> releasedAt_{};
};

} // namespace runtime::qt
