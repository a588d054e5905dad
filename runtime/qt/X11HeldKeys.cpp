// SPDX-License-Identifier: MIT
#include "runtime/qt/X11HeldKeys.h"

#include <cstdlib>
#include <memory>

#include <QByteArray>

#include <xcb/xcb.h>
// The XKB header names a member `explicit`, a C++ keyword.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

namespace runtime::qt {

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

// Granted or not, the keys are followed alike: without the flag, the server's repeats are told by their
// timestamps.
void askForDetectableRepeat(xcb_connection_t* connection)
{
    const ReplyPtr<xcb_xkb_use_extension_reply_t> extension(xcb_xkb_use_extension_reply(
        connection, xcb_xkb_use_extension(connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION),
        nullptr));
    if (!extension || !extension->supported)
        return;
    constexpr std::uint32_t flag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    std::free(xcb_xkb_per_client_flags_reply(
        connection, xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD, flag, flag, 0, 0, 0),
        nullptr));
}

} // namespace

X11HeldKeys::X11HeldKeys(xcb_connection_t* connection)
    : connection_(connection)
{
    askForDetectableRepeat(connection);
}

bool X11HeldKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != QByteArrayView("xcb_generic_event_t"))
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7f) {
    case XCB_KEY_PRESS: {
        const auto* press = static_cast<const xcb_key_press_event_t*>(message);
        return isRepeat(press->detail, press->time);
    }
    case XCB_KEY_RELEASE: {
        const auto* release = static_cast<const xcb_key_release_event_t*>(message);
        down_.reset(release->detail);
        releasedAt_[release->detail] = release->time;
        return false;
    }
    case XCB_FOCUS_IN:
        forgetKeysTheServerReportsUp();
        return false;
    default:
        return false;
    }
}

bool X11HeldKeys::isRepeat(std::uint8_t keyCode, std::uint32_t time)
{
    if (down_.test(keyCode) || releasedAt_[keyCode] == time)
        return true;
    down_.set(keyCode);
    return false;
}

// Only forgets: a key the server reports down is taken as down only through its own press, which may still
// be on its way.
void X11HeldKeys::forgetKeysTheServerReportsUp()
{
    const ReplyPtr<xcb_query_keymap_reply_t> keymap(
        xcb_query_keymap_reply(connection_, xcb_query_keymap(connection_), nullptr));
    if (!keymap)
        return;
    for (std::size_t keyCode = 0; keyCode < down_.size(); ++keyCode) {
        if ((keymap->keys[keyCode / 8] & (1u << (keyCode % 8))) == 0)
            down_.reset(keyCode);
    }
}

} // namespace runtime::qt
