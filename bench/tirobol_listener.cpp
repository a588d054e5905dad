// SPDX-License-Identifier: MIT
// tirobol-listener TIRAR_X TIRAR_Y RESET_X RESET_Y SHOTS: a player who only listens. It switches the balls'
// sounds on with S, hears the sound server's output (the default sink's monitor) as it plays, and clicks
// "Tirar" through XTest as soon as it hears the target sound, a chord, once for each ball; then it closes the
// verdict box with Enter and clicks "Reiniciar", SHOTS times. It prints
//   click NS             each click on "Tirar", as it is made
//   onset NS CHORD       at the end, each sound it heard begin, at the time the server played it (by the
//                        server's own account of its position), and whether it was a chord
// NS on the clock of bench/Clock.h, so that they compare with the program's own lines.
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <numbers>
#include <pulse/pulseaudio.h>
#include <thread>
#include <vector>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include "bench/Clock.h"

namespace {

using bench::monotonicNanoseconds;

constexpr unsigned rate = 48'000;
constexpr int samplesPerMs = rate / 1000;
// A sound begins where the level rises above this after at least 20 ms below it.
constexpr float onsetLevel = 0.01f;
constexpr int quietMs = 20;
// How much of a sound is heard before telling a chord from a single tone.
constexpr int listenMs = 40;

// What the monitor has played so far (left + right), and the clock: when its first sample was played.
class Recording {
public:
    ~Recording()
    {
        if (mainloop_)
            pa_threaded_mainloop_stop(mainloop_);
    }

    void start()
    {
        mainloop_ = pa_threaded_mainloop_new();
        pa_context* context = pa_context_new(pa_threaded_mainloop_get_api(mainloop_), "tirobol-listener");
        pa_context_set_state_callback(context, &Recording::contextChanged, this);
        pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
        pa_threaded_mainloop_start(mainloop_);
    }

    // The samples from `from` on, if there are `count` of them yet.
    bool read(std::size_t from, std::size_t count, std::vector<float>& out)
    {
        const std::lock_guard lock(mutex_);
        if (samples_.size() < from + count)
            return false;
        out.assign(samples_.begin() + static_cast<long>(from),
                   samples_.begin() + static_cast<long>(from + count));
        return true;
    }

    std::size_t size()
    {
        const std::lock_guard lock(mutex_);
        return samples_.size();
    }

    // When sample `index` was played, by the server's own account of the stream's position (the time of the
    // sample the sink plays now) as each chunk came, once the stream has settled: its clock stands still
    // while the sink first starts.
    long long playedAt(std::size_t index)
    {
        const std::lock_guard lock(mutex_);
        std::vector<long long> starts(offsets_.begin() + static_cast<long>(offsets_.size() / 2),
                                      offsets_.end());
        std::nth_element(starts.begin(), starts.begin() + static_cast<long>(starts.size() / 2), starts.end());
        return starts[starts.size() / 2] + static_cast<long long>(index) * 1'000'000'000 / rate;
    }

private:
    static void contextChanged(pa_context* context, void* self)
    {
        if (pa_context_get_state(context) == PA_CONTEXT_FAILED) {
            std::fprintf(stderr, "tirobol-listener: no sound server\n");
            std::exit(3);
        }
        if (pa_context_get_state(context) != PA_CONTEXT_READY)
            return;
        const pa_sample_spec format{PA_SAMPLE_FLOAT32LE, rate, 2};
        const pa_buffer_attr buffer{static_cast<std::uint32_t>(-1), 0, 0, 0, 2 * sizeof(float) * rate / 200};
        pa_stream* stream = pa_stream_new(context, "listener", &format, nullptr);
        pa_stream_set_read_callback(stream, &Recording::readable, self);
        pa_stream_connect_record(stream, "@DEFAULT_MONITOR@", &buffer,
                                 static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY |
                                                                PA_STREAM_INTERPOLATE_TIMING |
                                                                PA_STREAM_AUTO_TIMING_UPDATE));
    }

    static void readable(pa_stream* stream, std::size_t, void* self)
    {
        auto& recording = *static_cast<Recording*>(self);
        const void* data = nullptr;
        std::size_t bytes = 0;
        while (pa_stream_peek(stream, &data, &bytes) == 0 && bytes > 0) {
            const long long now = monotonicNanoseconds();
            pa_usec_t position = 0;
            const bool timed = pa_stream_get_time(stream, &position) == 0;
            const std::lock_guard lock(recording.mutex_);
            const auto* frames = static_cast<const float*>(data);
            for (std::size_t i = 0; i < bytes / sizeof(float); i += 2)
                recording.samples_.push_back(data ? frames[i] + frames[i + 1] : 0);
            if (timed)
                recording.offsets_.push_back(now - static_cast<long long>(position) * 1000);
            pa_stream_drop(stream);
        }
    }

    pa_threaded_mainloop* mainloop_ = nullptr;
    std::mutex mutex_;
    std::vector<float> samples_;
    // For each chunk as it came: when the stream's first sample was played.
    std::vector<long long> offsets_;
};

// Whether the sound holds more than one tone: two or more peaks of its spectrum (150 to 2000 Hz) above
// a third of the strongest.
bool isChord(const std::vector<float>& sound)
{
    std::vector<double> spectrum;
    for (double hertz = 150; hertz <= 2000; hertz += 5) {
        double re = 0;
        double im = 0;
        for (std::size_t i = 0; i < sound.size(); ++i) {
            const double window = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * i / (sound.size() - 1));
            const double phase = 2 * std::numbers::pi * hertz * i / rate;
            re += window * sound[i] * std::cos(phase);
            im += window * sound[i] * std::sin(phase);
        }
        spectrum.push_back(std::hypot(re, im));
    }
    const double strongest = *std::max_element(spectrum.begin(), spectrum.end());
    int peaks = 0;
    for (std::size_t i = 1; i + 1 < spectrum.size(); ++i)
        peaks +=
            spectrum[i] > strongest / 3 && spectrum[i] >= spectrum[i - 1] && spectrum[i] > spectrum[i + 1];
    return peaks >= 2;
}

class Player {
public:
    Player(Display* display, const int buttons[4])
        : display_(display)
        , tirar_{buttons[0], buttons[1]}
        , reset_{buttons[2], buttons[3]}
    {
    }

    void key(KeySym symbol)
    {
        const KeyCode code = XKeysymToKeycode(display_, symbol);
        XTestFakeKeyEvent(display_, code, True, CurrentTime);
        XTestFakeKeyEvent(display_, code, False, CurrentTime);
        XFlush(display_);
    }

    void click(bool onTirar)
    {
        const int* at = onTirar ? tirar_ : reset_;
        XTestFakeMotionEvent(display_, -1, at[0], at[1], CurrentTime);
        XTestFakeButtonEvent(display_, 1, True, CurrentTime);
        XTestFakeButtonEvent(display_, 1, False, CurrentTime);
        XFlush(display_);
        if (onTirar)
            std::printf("click %lld\n", monotonicNanoseconds());
    }

private:
    Display* display_;
    int tirar_[2];
    int reset_[2];
};

void pause(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 6) {
        std::fputs("usage: tirobol-listener TIRAR_X TIRAR_Y RESET_X RESET_Y SHOTS\n", stderr);
        return 2;
    }
    const int buttons[4] = {std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4])};
    int throwsLeft = 2 * std::atoi(argv[5]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("tirobol-listener needs an X display\n", stderr);
        return 3;
    }
    Player player(display, buttons);
    Recording recording;
    recording.start();
    // The stream settles before the sounds are switched on.
    pause(1500);
    player.key(XK_s);

    std::vector<float> sound;
    std::vector<std::pair<std::size_t, bool>> onsets;
    std::size_t next = recording.size();
    int quiet = quietMs;
    long long deafUntil = 0;
    while (throwsLeft > 0) {
        if (!recording.read(next, samplesPerMs, sound)) {
            pause(1);
            continue;
        }
        const float level = *std::max_element(sound.begin(), sound.end(),
                                              [](float a, float b) { return std::abs(a) < std::abs(b); });
        const std::size_t at = next;
        next += samplesPerMs;
        if (std::abs(level) < onsetLevel) {
            ++quiet;
            continue;
        }
        const bool began = quiet >= quietMs;
        quiet = 0;
        if (!began)
            continue;
        while (!recording.read(at, listenMs * samplesPerMs, sound))
            pause(1);
        const bool chord = isChord(sound);
        onsets.emplace_back(at, chord);
        // A click is heard of no sooner than the next tick: the ball it stopped may sound on once more.
        if (!chord || monotonicNanoseconds() < deafUntil)
            continue;
        player.click(true);
        deafUntil = monotonicNanoseconds() + 250'000'000;
        if (--throwsLeft % 2 == 0) {
            // The verdict box, closed after a look; then a new shot.
            pause(400);
            player.key(XK_Return);
            pause(300);
            player.click(false);
        }
        std::fflush(stdout);
    }
    pause(300);
    for (const auto& [at, chord] : onsets)
        std::printf("onset %lld %d\n", recording.playedAt(at), chord ? 1 : 0);
    XCloseDisplay(display);
    return 0;
}
