// SPDX-License-Identifier: MIT
#include "startup/DecoratedPlatform.h"

#include <cstdlib>
#include <string_view>
#include <xcb/xcb.h>

#include "startup/CompositorProbe.h"
#include "startup/TerminalText.h"

namespace startup {

namespace {

// Long enough for a compositor on a loaded machine, short enough that a player sees the reason.
constexpr int patienceMilliseconds = 5'000;

bool isSet(const char* variable)
{
    const char* value = std::getenv(variable);
    return value && *value;
}

// As Qt 6 chooses: Wayland first wherever a compositor is named or the session says it is one.
bool toolkitWouldChooseWayland()
{
    const char* session = std::getenv("XDG_SESSION_TYPE");
    return isSet("WAYLAND_DISPLAY") || (session && std::string_view(session) == "wayland");
}

// An X11 server narrower than the widest output in device pixels shows its windows enlarged.
bool xWouldBeEnlarged(const CompositorAnswer& answer)
{
    if (answer.largestScale <= 1)
        return false;
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    bool enlarged = false;
    if (!xcb_connection_has_error(connection)) {
        xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(connection));
        for (; screen.rem && screenNumber > 0; --screenNumber)
            xcb_screen_next(&screen);
        enlarged = screen.rem && screen.data->width_in_pixels < answer.widestOutputPixels;
    }
    xcb_disconnect(connection);
    return enlarged;
}

std::string compositorName()
{
    return isSet("WAYLAND_DISPLAY") ? std::getenv("WAYLAND_DISPLAY") : "wayland-0";
}

} // namespace

std::string chooseWindowingPlatform()
{
    // The toolkit takes a -platform argument over the variable.
    if (isSet("QT_QPA_PLATFORM") || !toolkitWouldChooseWayland())
        return {};
    const CompositorAnswer answer = askCompositor(patienceMilliseconds);
    switch (answer.outcome) {
    case CompositorAnswer::Outcome::unreachable:
        return {};
    case CompositorAnswer::Outcome::failed:
        if (!isSet("DISPLAY"))
            return "no pudo usar el compositor Wayland «" + shownOnOneLine(compositorName()) +
                   "»: " + answer.failure + ".";
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        return {};
    case CompositorAnswer::Outcome::answered:
        if (!answer.decorates && isSet("DISPLAY") && !xWouldBeEnlarged(answer))
            setenv("QT_QPA_PLATFORM", "xcb;wayland", 1);
        return {};
    }
    return {};
}

} // namespace startup
