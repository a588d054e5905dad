// SPDX-License-Identifier: MIT
#include "startup/DecoratedPlatform.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <wayland-client.h>

namespace startup {

namespace {

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

// The protocols by which a compositor offers to draw its clients' title bars: the standard one and KDE's.
void noteDecorationManager(void* decorates, wl_registry*, std::uint32_t, const char* interface, std::uint32_t)
{
    const std::string_view name(interface);
    if (name == "zxdg_decoration_manager_v1" || name == "org_kde_kwin_server_decoration_manager")
        *static_cast<bool*>(decorates) = true;
}

void ignoreRemoval(void*, wl_registry*, std::uint32_t) {}

// Whether the compositor offers to decorate; true when it cannot be asked, which leaves the choice as it was.
bool compositorDecorates()
{
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return true;
    bool decorates = false;
    static const wl_registry_listener listener{noteDecorationManager, ignoreRemoval};
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &decorates);
    const bool answered = wl_display_roundtrip(display) >= 0;
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return decorates || !answered;
}

} // namespace

void preferAPlatformThatDecorates()
{
    // The toolkit takes a -platform argument over the variable.
    if (isSet("QT_QPA_PLATFORM") || !toolkitWouldChooseWayland() || !isSet("DISPLAY") ||
        compositorDecorates())
        return;
    setenv("QT_QPA_PLATFORM", "xcb;wayland", 1);
}

} // namespace startup
