// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "runtime/sound/Tone.h"

namespace runtime::sound {

// Plays tones through the desktop's sound server: PulseAudio, or PipeWire's PulseAudio server. Each tone
// starts a fixed 20 ms after it is asked for, placed by the server's own clock, so that successive tones
// keep the rhythm of what asked for them. Each voice is a stream of its own, so the voices' tones mix.
//
// The client library (libpulse) is loaded when the first server is made, never before; the connection is
// made in the background, by the library's own thread, and play() never waits, nor does the destructor.
// Until the connection is ready, and after it fails (no library, no server, a server that goes away), tones
// are dropped, and a lost connection is made again every 2 s; the first failure of the process is said in
// one line on standard error, naming `applicationName`. A server that stops reading gets no more tones
// until it tells where it plays again, so what waits for it stays bounded.
class SoundServer {
public:
    SoundServer(const std::string& applicationName, const std::vector<std::string>& voiceNames);
    ~SoundServer();
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    // `voice` indexes the names given.
    void play(std::size_t voice, const Tone& tone);

    class Connection;

private:
    std::unique_ptr<Connection> connection_;
};

} // namespace runtime::sound
