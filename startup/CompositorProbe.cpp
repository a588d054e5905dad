// SPDX-License-Identifier: MIT
#include "startup/CompositorProbe.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <dlfcn.h>
#include <poll.h>
#include <string_view>
#include <vector>
#include <wayland-client.h>

namespace startup {

namespace {

// The parts of libwayland-client this uses, looked up when the library is loaded: a start that names no
// compositor never loads it.
#define TIROBOL_WAYLAND_FUNCTIONS(F)                                                                         \
    F(wl_display_connect)                                                                                    \
    F(wl_display_disconnect)                                                                                 \
    F(wl_display_get_fd)                                                                                     \
    F(wl_display_get_error)                                                                                  \
    F(wl_display_flush)                                                                                      \
    F(wl_display_prepare_read)                                                                               \
    F(wl_display_cancel_read)                                                                                \
    F(wl_display_read_events)                                                                                \
    F(wl_display_dispatch_pending)                                                                           \
    F(wl_proxy_marshal_flags)                                                                                \
    F(wl_proxy_add_listener)                                                                                 \
    F(wl_proxy_get_version)                                                                                  \
    F(wl_proxy_destroy)

struct Wayland {
#define TIROBOL_DECLARE(name) decltype(&::name) name = nullptr;
    TIROBOL_WAYLAND_FUNCTIONS(TIROBOL_DECLARE)
#undef TIROBOL_DECLARE
    const wl_interface* registryInterface = nullptr;
    const wl_interface* callbackInterface = nullptr;
    const wl_interface* outputInterface = nullptr;
};

const Wayland* loadWayland()
{
    void* library = dlopen("libwayland-client.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return nullptr;
    static Wayland functions;
    bool complete = true;
#define TIROBOL_LOAD(name)                                                                                   \
    functions.name = reinterpret_cast<decltype(&::name)>(dlsym(library, #name));                             \
    complete = complete && functions.name;
    TIROBOL_WAYLAND_FUNCTIONS(TIROBOL_LOAD)
#undef TIROBOL_LOAD
    functions.registryInterface = static_cast<const wl_interface*>(dlsym(library, "wl_registry_interface"));
    functions.callbackInterface = static_cast<const wl_interface*>(dlsym(library, "wl_callback_interface"));
    functions.outputInterface = static_cast<const wl_interface*>(dlsym(library, "wl_output_interface"));
    complete =
        complete && functions.registryInterface && functions.callbackInterface && functions.outputInterface;
    return complete ? &functions : nullptr;
}

// One conversation with the compositor: what it offers, then what its outputs say.
class Conversation {
public:
    Conversation(const Wayland& wayland, wl_display* display, std::chrono::steady_clock::time_point deadline)
        : wayland_(wayland)
        , display_(display)
        , deadline_(deadline)
    {
    }

    ~Conversation()
    {
        for (wl_proxy* proxy : outputs_)
            wayland_.wl_proxy_destroy(proxy);
        if (registry_)
            wayland_.wl_proxy_destroy(registry_);
    }

    Conversation(const Conversation&) = delete;
    Conversation& operator=(const Conversation&) = delete;

    CompositorAnswer have()
    {
        auto* display = reinterpret_cast<wl_proxy*>(display_);
        registry_ =
            wayland_.wl_proxy_marshal_flags(display, WL_DISPLAY_GET_REGISTRY, wayland_.registryInterface,
                                            wayland_.wl_proxy_get_version(display), 0, nullptr);
        static const wl_registry_listener registryListener{noteGlobal, ignoreRemoval};
        wayland_.wl_proxy_add_listener(
            registry_, reinterpret_cast<void (**)()>(const_cast<wl_registry_listener*>(&registryListener)),
            this);
        // The globals first, then the events of the outputs bound meanwhile.
        const bool bothAnswered = answered() && answered();
        answer_.outcome =
            bothAnswered ? CompositorAnswer::Outcome::answered : CompositorAnswer::Outcome::failed;
        return answer_;
    }

private:
    static void noteGlobal(void* data, wl_registry*, std::uint32_t name, const char* interface,
                           std::uint32_t version)
    {
        auto& self = *static_cast<Conversation*>(data);
        const std::string_view offered(interface);
        if (offered == "zxdg_decoration_manager_v1" || offered == "org_kde_kwin_server_decoration_manager")
            self.answer_.decorates = true;
        if (offered == "wl_output")
            self.bindOutput(name, std::min<std::uint32_t>(version, 2));
    }

    static void ignoreRemoval(void*, wl_registry*, std::uint32_t) {}

    void bindOutput(std::uint32_t name, std::uint32_t version)
    {
        const wl_interface* output = wayland_.outputInterface;
        wl_proxy* proxy = wayland_.wl_proxy_marshal_flags(registry_, WL_REGISTRY_BIND, output, version, 0,
                                                          name, output->name, version, nullptr);
        static const wl_output_listener outputListener = [] {
            wl_output_listener listener{};
            listener.geometry = [](void*, wl_output*, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                                   std::int32_t, const char*, const char*, std::int32_t) {};
            listener.mode = [](void* data, wl_output*, std::uint32_t flags, std::int32_t width, std::int32_t,
                               std::int32_t) {
                auto& answer = *static_cast<CompositorAnswer*>(data);
                if (flags & WL_OUTPUT_MODE_CURRENT)
                    answer.widestOutputPixels = std::max(answer.widestOutputPixels, static_cast<int>(width));
            };
            listener.done = [](void*, wl_output*) {};
            listener.scale = [](void* data, wl_output*, std::int32_t factor) {
                auto& answer = *static_cast<CompositorAnswer*>(data);
                answer.largestScale = std::max(answer.largestScale, static_cast<int>(factor));
            };
            return listener;
        }();
        wayland_.wl_proxy_add_listener(
            proxy, reinterpret_cast<void (**)()>(const_cast<wl_output_listener*>(&outputListener)), &answer_);
        outputs_.push_back(proxy);
    }

    // A round trip that waits no longer than the deadline; false, with the failure said, where it fails.
    bool answered()
    {
        auto* display = reinterpret_cast<wl_proxy*>(display_);
        bool done = false;
        wl_proxy* callback =
            wayland_.wl_proxy_marshal_flags(display, WL_DISPLAY_SYNC, wayland_.callbackInterface,
                                            wayland_.wl_proxy_get_version(display), 0, nullptr);
        static const wl_callback_listener callbackListener{
            [](void* data, wl_callback*, std::uint32_t) { *static_cast<bool*>(data) = true; }};
        wayland_.wl_proxy_add_listener(
            callback, reinterpret_cast<void (**)()>(const_cast<wl_callback_listener*>(&callbackListener)),
            &done);
        while (!done && waitForEvents()) {
        }
        wayland_.wl_proxy_destroy(callback);
        if (!done && answer_.failure.empty()) {
            const int error = wayland_.wl_display_get_error(display_);
            answer_.failure = std::strerror(error != 0 ? error : EPIPE);
        }
        return done;
    }

    bool waitForEvents()
    {
        while (wayland_.wl_display_prepare_read(display_) != 0) {
            if (wayland_.wl_display_dispatch_pending(display_) < 0)
                return false;
        }
        if (wayland_.wl_display_flush(display_) < 0 && errno != EAGAIN) {
            wayland_.wl_display_cancel_read(display_);
            return false;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline_ - std::chrono::steady_clock::now());
        pollfd readable{wayland_.wl_display_get_fd(display_), POLLIN, 0};
        const int ready = left.count() > 0 ? ::poll(&readable, 1, static_cast<int>(left.count())) : 0;
        if (ready <= 0) {
            wayland_.wl_display_cancel_read(display_);
            if (ready < 0 && errno == EINTR)
                return true;
            answer_.failure = "no respondió a tiempo";
            return false;
        }
        return wayland_.wl_display_read_events(display_) == 0 &&
               wayland_.wl_display_dispatch_pending(display_) >= 0;
    }

    const Wayland& wayland_;
    wl_display* display_;
    const std::chrono::steady_clock::time_point deadline_;
    wl_proxy* registry_ = nullptr;
    std::vector<wl_proxy*> outputs_;
    CompositorAnswer answer_;
};

} // namespace

CompositorAnswer askCompositor(int patienceMilliseconds)
{
    static const Wayland* const wayland = loadWayland();
    if (!wayland)
        return {};
    wl_display* display = wayland->wl_display_connect(nullptr);
    if (!display)
        return {};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(patienceMilliseconds);
    CompositorAnswer answer = Conversation(*wayland, display, deadline).have();
    wayland->wl_display_disconnect(display);
    return answer;
}

} // namespace startup
