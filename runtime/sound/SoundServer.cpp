// SPDX-License-Identifier: MIT
#include "runtime/sound/SoundServer.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <dlfcn.h>
#include <pulse/pulseaudio.h>
#include <thread>

namespace runtime::sound {

namespace {

// The functions of libpulse that this uses, looked up when the library is loaded.
#define TIROBOL_PULSE_FUNCTIONS(F)                                                                           \
    F(pa_threaded_mainloop_new)                                                                              \
    F(pa_threaded_mainloop_free)                                                                             \
    F(pa_threaded_mainloop_start)                                                                            \
    F(pa_threaded_mainloop_stop)                                                                             \
    F(pa_threaded_mainloop_lock)                                                                             \
    F(pa_threaded_mainloop_unlock)                                                                           \
    F(pa_threaded_mainloop_get_api)                                                                          \
    F(pa_context_new)                                                                                        \
    F(pa_gettimeofday)                                                                                       \
    F(pa_timeval_add)                                                                                        \
    F(pa_context_set_state_callback)                                                                         \
    F(pa_context_connect)                                                                                    \
    F(pa_context_disconnect)                                                                                 \
    F(pa_context_get_state)                                                                                  \
    F(pa_context_errno)                                                                                      \
    F(pa_context_unref)                                                                                      \
    F(pa_stream_new)                                                                                         \
    F(pa_stream_set_state_callback)                                                                          \
    F(pa_stream_connect_playback)                                                                            \
    F(pa_stream_disconnect)                                                                                  \
    F(pa_stream_get_state)                                                                                   \
    F(pa_stream_get_sample_spec)                                                                             \
    F(pa_stream_get_buffer_attr)                                                                             \
    F(pa_stream_get_timing_info)                                                                             \
    F(pa_timeval_age)                                                                                        \
    F(pa_stream_write)                                                                                       \
    F(pa_stream_unref)                                                                                       \
    F(pa_strerror)

struct Pulse {
#define TIROBOL_DECLARE(name) decltype(&::name) name = nullptr;
    TIROBOL_PULSE_FUNCTIONS(TIROBOL_DECLARE)
#undef TIROBOL_DECLARE
};

// The library, loaded once for the process and kept; nullptr where it cannot be.
const Pulse* loadPulse()
{
    static const Pulse* const pulse = []() -> const Pulse* {
        void* library = dlopen("libpulse.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return nullptr;
        static Pulse functions;
        bool complete = true;
#define TIROBOL_LOAD(name)                                                                                   \
    functions.name = reinterpret_cast<decltype(&::name)>(dlsym(library, #name));                             \
    complete = complete && functions.name;
        TIROBOL_PULSE_FUNCTIONS(TIROBOL_LOAD)
#undef TIROBOL_LOAD
        return complete ? &functions : nullptr;
    }();
    return pulse;
}

// The first failure of the process is said; later ones (a server gone again, another attempt) are not.
void sayOnce(const std::string& applicationName, const std::string& why)
{
    static std::atomic_flag said;
    if (!said.test_and_set())
        std::fprintf(stderr, "%s: sin sonido: %s\n", applicationName.c_str(), why.c_str());
}

// The buffer asked of the server, and how far ahead of the sample it plays now a tone is placed: past what
// the server has mixed already, which is at most its buffer.
constexpr pa_usec_t bufferUsec = 10'000;
constexpr pa_usec_t leadUsec = 20'000;
constexpr std::uint32_t requestedRate = 48'000;
constexpr std::int64_t frameBytes = 2 * sizeof(float);

// A server that has not told a stream where it plays for this many tones (the library asks at least every
// 1.5 s, ten tones a second) does not read what it is sent: later tones are dropped rather than held in
// memory for it, which bounds what waits to 30 tones a voice, under 1 MB.
constexpr int tonesWithoutTiming = 30;
// A connection lost or refused is made again after this long.
constexpr pa_usec_t retryUsec = 2'000'000;

} // namespace

class SoundServer::Connection {
public:
    Connection(const Pulse& pulse, std::string applicationName, const std::vector<std::string>& voiceNames)
        : pulse_(pulse)
        , applicationName_(std::move(applicationName))
        , voiceNames_(voiceNames)
        , mainloop_(pulse.pa_threaded_mainloop_new())
    {
        connect();
        pulse_.pa_threaded_mainloop_start(mainloop_);
    }

    ~Connection()
    {
        pulse_.pa_threaded_mainloop_lock(mainloop_);
        disconnect();
        pulse_.pa_threaded_mainloop_unlock(mainloop_);
        pulse_.pa_threaded_mainloop_stop(mainloop_);
        pulse_.pa_threaded_mainloop_free(mainloop_);
    }

    void play(std::size_t voice, const Tone& tone)
    {
        pulse_.pa_threaded_mainloop_lock(mainloop_);
        if (voice < voices_.size() && pulse_.pa_stream_get_state(voices_[voice].stream) == PA_STREAM_READY)
            write(voices_[voice], tone);
        pulse_.pa_threaded_mainloop_unlock(mainloop_);
    }

private:
    // At the stream's own rate, the lead after the sample that the sink plays now: the stream's read position
    // when the server last told it, less what the sink had mixed ahead of playing, plus the time since. (The
    // library's interpolated clock jumps once the stream plays, which put the first tones out of step.)
    // Until the server has told it, the tone goes the lead after the read position.
    struct Voice {
        pa_stream* stream;
        timeval toldAt{};
        int tonesSinceTold = 0;
    };

    void write(Voice& voice, const Tone& tone)
    {
        pa_stream* stream = voice.stream;
        const pa_timing_info* timing = pulse_.pa_stream_get_timing_info(stream);
        if (timing && (timing->timestamp.tv_sec != voice.toldAt.tv_sec ||
                       timing->timestamp.tv_usec != voice.toldAt.tv_usec)) {
            voice.toldAt = timing->timestamp;
            voice.tonesSinceTold = 0;
        }
        if (voice.tonesSinceTold++ >= tonesWithoutTiming)
            return;
        const pa_sample_spec* format = pulse_.pa_stream_get_sample_spec(stream);
        const std::vector<float> samples = synthesize(tone, static_cast<int>(format->rate));
        const auto bytesOf = [rate = format->rate](pa_usec_t usec) {
            return static_cast<std::int64_t>(usec * rate / 1'000'000) * frameBytes;
        };
        // A server that grants a longer buffer than asked for gets the tone as far past it.
        const pa_usec_t granted =
            pulse_.pa_stream_get_buffer_attr(stream)->tlength / frameBytes * 1'000'000 / format->rate;
        const std::int64_t lead = bytesOf(std::max(leadUsec, granted + leadUsec - bufferUsec));
        if (timing && !timing->read_index_corrupt) {
            const std::int64_t playing = timing->read_index - bytesOf(timing->sink_usec) +
                                         bytesOf(pulse_.pa_timeval_age(&timing->timestamp));
            pulse_.pa_stream_write(stream, samples.data(), samples.size() * sizeof(float), nullptr,
                                   playing + lead, PA_SEEK_ABSOLUTE);
        } else {
            pulse_.pa_stream_write(stream, samples.data(), samples.size() * sizeof(float), nullptr, lead,
                                   PA_SEEK_RELATIVE_ON_READ);
        }
    }

    static void contextChanged(pa_context* context, void* self)
    {
        auto& connection = *static_cast<Connection*>(self);
        switch (connection.pulse_.pa_context_get_state(context)) {
        case PA_CONTEXT_READY:
            connection.openStreams();
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            connection.lost();
            break;
        default:
            break;
        }
    }

    static void streamChanged(pa_stream* stream, void* self)
    {
        auto& connection = *static_cast<Connection*>(self);
        if (connection.pulse_.pa_stream_get_state(stream) == PA_STREAM_FAILED)
            connection.lost();
    }

    void connect()
    {
        context_ =
            pulse_.pa_context_new(pulse_.pa_threaded_mainloop_get_api(mainloop_), applicationName_.c_str());
        pulse_.pa_context_set_state_callback(context_, contextChanged, this);
        if (pulse_.pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            lost();
    }

    void disconnect()
    {
        for (const Voice& voice : voices_) {
            pulse_.pa_stream_set_state_callback(voice.stream, nullptr, nullptr);
            pulse_.pa_stream_disconnect(voice.stream);
            pulse_.pa_stream_unref(voice.stream);
        }
        voices_.clear();
        pulse_.pa_context_set_state_callback(context_, nullptr, nullptr);
        pulse_.pa_context_disconnect(context_);
        pulse_.pa_context_unref(context_);
    }

    // Said once; tones are dropped until the server is reached again, which is tried after a while, from the
    // library's own thread, as nothing else waits on a connection.
    void lost()
    {
        sayOnce(applicationName_, pulse_.pa_strerror(pulse_.pa_context_errno(context_)));
        if (retrying_)
            return;
        retrying_ = true;
        pa_mainloop_api* api = pulse_.pa_threaded_mainloop_get_api(mainloop_);
        timeval at{};
        pulse_.pa_timeval_add(pulse_.pa_gettimeofday(&at), retryUsec);
        api->time_new(api, &at, retry, this);
    }

    static void retry(pa_mainloop_api* api, pa_time_event* event, const timeval*, void* self)
    {
        api->time_free(event);
        auto& connection = *static_cast<Connection*>(self);
        connection.retrying_ = false;
        connection.disconnect();
        connection.connect();
    }

    // Streams that start playing at once and never wait for data (no prebuffering), so that a tone is
    // heard however long the stream has been silent, with a short buffer and the server's clock.
    void openStreams()
    {
        const pa_sample_spec format{PA_SAMPLE_FLOAT32LE, requestedRate, 2};
        const auto bytes = static_cast<std::uint32_t>(bufferUsec * requestedRate / 1'000'000 * frameBytes);
        const pa_buffer_attr buffer{static_cast<std::uint32_t>(-1), bytes, 0, static_cast<std::uint32_t>(-1),
                                    static_cast<std::uint32_t>(-1)};
        const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_FIX_RATE |
                                                          PA_STREAM_AUTO_TIMING_UPDATE);
        for (const std::string& name : voiceNames_) {
            pa_stream* stream = pulse_.pa_stream_new(context_, name.c_str(), &format, nullptr);
            if (!stream)
                return lost();
            voices_.push_back({stream});
            pulse_.pa_stream_set_state_callback(stream, streamChanged, this);
            if (pulse_.pa_stream_connect_playback(stream, nullptr, &buffer, flags, nullptr, nullptr) < 0)
                return lost();
        }
    }

    const Pulse& pulse_;
    const std::string applicationName_;
    const std::vector<std::string> voiceNames_;
    pa_threaded_mainloop* mainloop_;
    pa_context* context_ = nullptr;
    std::vector<Voice> voices_;
    bool retrying_ = false;
};

SoundServer::SoundServer(const std::string& applicationName, const std::vector<std::string>& voiceNames)
{
    if (const Pulse* pulse = loadPulse())
        connection_ = std::make_unique<Connection>(*pulse, applicationName, voiceNames);
    else
        sayOnce(applicationName, "no se pudo cargar libpulse.so.0 (el cliente de PulseAudio)");
}

// Closing a connection waits for the library's thread, which a slow server can keep: it is closed on a thread
// of its own.
SoundServer::~SoundServer()
{
    if (connection_)
        std::thread([connection = std::move(connection_)] {}).detach();
}

void SoundServer::play(std::size_t voice, const Tone& tone)
{
    if (connection_)
        connection_->play(voice, tone);
}

} // namespace runtime::sound
