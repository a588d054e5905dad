// SPDX-License-Identifier: MIT
#include "runtime/qt/keys/X11HeldKeys.h"

#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

#include <QByteArray>
// The XKB header names a member `explicit`, a C++ keyword.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include "runtime/qt/keys/ServerSequence.h"

namespace runtime::qt {

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

constexpr std::uint32_t detectableRepeat = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;

// Whether the server sends a held key as presses and one release: the flag changed where `change` has it, or
// only read.
bool detectableRepeatIsOn(xcb_connection_t* connection, std::uint32_t change, std::uint32_t value)
{
    const ReplyPtr<xcb_xkb_per_client_flags_reply_t> flags(xcb_xkb_per_client_flags_reply(
        connection, xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD, change, value, 0, 0, 0),
        nullptr));
    return flags && (flags->value & detectableRepeat) != 0;
}

bool askForDetectableRepeat(xcb_connection_t* connection)
{
    const ReplyPtr<xcb_xkb_use_extension_reply_t> extension(xcb_xkb_use_extension_reply(
        connection, xcb_xkb_use_extension(connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION),
        nullptr));
    return extension && extension->supported &&
           detectableRepeatIsOn(connection, detectableRepeat, detectableRepeat);
}

} // namespace

X11HeldKeys::X11HeldKeys(xcb_connection_t* connection)
    : connection_(connection)
    , repeatIsDetectable_(askForDetectableRepeat(connection))
{
}

bool X11HeldKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != QByteArrayView("xcb_generic_event_t"))
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const std::uint8_t type = event->response_type & 0x7f;
    // The one event without a sequence number.
    if (type != XCB_KEYMAP_NOTIFY)
        forgetKeysReportedUp(event->sequence);
    switch (type) {
    case XCB_KEY_PRESS: {
        const auto* press = static_cast<const xcb_key_press_event_t*>(message);
        return isRepeat(press->detail, press->time);
    }
    case XCB_KEY_RELEASE: {
        auto* release = static_cast<xcb_key_release_event_t*>(message);
        down_.reset(release->detail);
        releasedAt_[release->detail] = release->time;
        // The toolkit takes a release followed by a press of the same server time for a repeat. A server that
        // sends repeats as presses never sends such a pair for one, so the toolkit gets the release a
        // millisecond earlier and takes the press for what it is.
        if (repeatIsDetectable_)
            --release->time;
        return false;
    }
    case XCB_FOCUS_IN:
        // A keymap still to apply was read after this event was sent, so it already tells what it would.
        if (!upInKeymap_)
            readServerState();
        return false;
    default:
        return false;
    }
}

bool X11HeldKeys::isRepeat(std::uint8_t keyCode, std::uint32_t time)
{
    if (down_.test(keyCode))
        return true;
    // A press in the same server millisecond as its key's release is a repeat only where the server does
    // not send repeats as presses.
    if (releasedAt_[keyCode] == time && !repeatIsDetectable_)
        return true;
    down_.set(keyCode);
    return false;
}

// Only forgets: a key the server reports down is taken as down only through its own press, which may still
// be on its way. The flag is read again too, as whatever else shares the toolkit's connection may change it.
void X11HeldKeys::readServerState()
{
    repeatIsDetectable_ = detectableRepeatIsOn(connection_, 0, 0);
    const xcb_query_keymap_cookie_t request = xcb_query_keymap(connection_);
    const ReplyPtr<xcb_query_keymap_reply_t> keymap(xcb_query_keymap_reply(connection_, request, nullptr));
    if (!keymap)
        return;
    std::bitset<256> up;
    for (std::size_t keyCode = 0; keyCode < up.size(); ++keyCode)
        up[keyCode] = (keymap->keys[keyCode / 8] & (1u << (keyCode % 8))) == 0;
    upInKeymap_ = up;
    keymapSequence_ = static_cast<std::uint16_t>(request.sequence);
}

// From the first event the server sent after the keymap was read, the keys it reported up are up.
void X11HeldKeys::forgetKeysReportedUp(std::uint16_t eventSequence)
{
    if (upInKeymap_ && isAtOrAfter(eventSequence, keymapSequence_)) {
        down_ &= ~*upInKeymap_;
        upInKeymap_.reset();
    }
}

} // namespace runtime::qt
