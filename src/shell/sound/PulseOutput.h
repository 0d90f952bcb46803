// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/sound/WavFile.h"

#include <cstddef>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace quellard {

// The desktop's sound server, through libpulse: PulseAudio and PipeWire's pulse server speak it
// alike. Everything that talks to the server runs on libpulse's own thread; play() only hands the
// sound over and returns, so no server, a slow one or one that dies never holds up the game.
//
// One sound at a time: a new sound cuts off the one still playing. Without a server, sounds are
// dropped and each new one tries to reach it again, so a server that comes back is used again.
// The first time no server can be reached the game says so in one line on standard error, and
// never again in that run.
class PulseOutput {
public:
    PulseOutput();
    ~PulseOutput();
    PulseOutput(const PulseOutput &) = delete;
    PulseOutput &operator=(const PulseOutput &) = delete;

    void play(PcmSound sound);

private:
    // Everything below runs with the main loop's lock held: from play() or the destructor, or on
    // the loop's own thread inside libpulse's callbacks.
    void connect();
    void dropConnection();
    void startStream();
    void stopStream();
    void writeMore(std::size_t wanted);
    void reportNoServer(int error);

    static void contextStateChanged(pa_context *context, void *self);
    static void streamWantsData(pa_stream *stream, std::size_t wanted, void *self);
    static void streamDrained(pa_stream *stream, int success, void *self);

    pa_threaded_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    pa_stream *m_stream = nullptr;
    PcmSound m_sound;               // the sound playing, or waiting for the connection
    bool m_waiting = false;         // m_sound is to start once the connection is ready
    std::size_t m_bytesWritten = 0; // of m_sound, to the stream
    bool m_toldNoServer = false;
};

} // namespace quellard
