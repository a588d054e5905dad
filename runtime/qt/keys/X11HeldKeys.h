// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>

#include <QAbstractNativeEventFilter>

struct xcb_connection_t;

namespace runtime::qt {

// On X11, drops the presses of a held key that the server repeats, before the toolkit sees them, by what the
// server reports. It asks for XKB's detectable auto-repeat, with which a held key sends presses and one
// release: a press of a key already down is a repeat. A server that refuses the flag sends release/press
// pairs stamped with one server time instead: there, and only there, a press stamped with its key's last
// release is a repeat.
// Keys are followed by key code through the events of every window of the program, blocked by a modal box
// or not. A release that went to another client is never seen, so whenever a window of the program gains
// the focus, the server is asked which keys are up (and whether the flag is on); its answer holds from the
// events the server sent after it, not for those still queued from before, which may be repeats of a key
// let go since.
class X11HeldKeys : public QAbstractNativeEventFilter {
public:
    explicit X11HeldKeys(xcb_connection_t* connection);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    bool isRepeat(std::uint8_t keyCode, std::uint32_t time);
    void readServerState();
    void forgetKeysReportedUp(std::uint16_t eventSequence);

    xcb_connection_t* connection_;
    bool repeatIsDetectable_;
    std::bitset<256> down_;
    std::array<std::uint32_t, 256> releasedAt_{};
    // The keys the server last reported up, and the sequence number of that request, until applied.
    std::optional<std::bitset<256>> upInKeymap_;
    std::uint16_t keymapSequence_ = 0;
};

} // namespace runtime::qt
