// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/sound/PulseOutput.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <utility>

namespace quellard {

namespace {

// How the game introduces itself to the server: mixers list it by name and icon, and may give the
// sounds of games a volume of their own.
constexpr char kApplicationName[] = "Quellard";
constexpr char kApplicationId[] = "org.example.quellard";

class LoopLock {
public:
    explicit LoopLock(pa_threaded_mainloop *loop) : m_loop(loop) { pa_threaded_mainloop_lock(m_loop); }
    ~LoopLock() { pa_threaded_mainloop_unlock(m_loop); }
    LoopLock(const LoopLock &) = delete;
    LoopLock &operator=(const LoopLock &) = delete;

private:
    pa_threaded_mainloop *m_loop;
};

bool gone(pa_context *context) { return !PA_CONTEXT_IS_GOOD(pa_context_get_state(context)); }

// The server takes the WAV file's own sample format, so the samples go to it as they are.
pa_sample_format_t sampleFormat(int bitsPerSample)
{
    return bitsPerSample == 8 ? PA_SAMPLE_U8 : bitsPerSample == 16 ? PA_SAMPLE_S16LE : PA_SAMPLE_S32LE;
}

} // namespace

PulseOutput::PulseOutput() : m_loop(pa_threaded_mainloop_new())
{
    if (m_loop && pa_threaded_mainloop_start(m_loop) < 0) {
        pa_threaded_mainloop_free(m_loop);
        m_loop = nullptr;
    }
}

PulseOutput::~PulseOutput()
{
    if (!m_loop)
        return;
    {
        LoopLock lock(m_loop);
        stopStream();
        dropConnection();
    }
    pa_threaded_mainloop_stop(m_loop);
    pa_threaded_mainloop_free(m_loop);
}

void PulseOutput::play(PcmSound sound)
{
    if (!m_loop)
        return;
    LoopLock lock(m_loop);
    stopStream();
    m_sound = std::move(sound);
    m_waiting = true;
    if (!m_context || gone(m_context))
        connect();
    else if (pa_context_get_state(m_context) == PA_CONTEXT_READY)
        startStream();
    // Otherwise the connection is still being made, and the sound starts once it is ready.
}

void PulseOutput::connect()
{
    dropConnection();
    pa_proplist *properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, kApplicationName);
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, kApplicationId);
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, kApplicationId);
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    m_context = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(m_loop), kApplicationName, properties);
    pa_proplist_free(properties);
    if (!m_context)
        return;
    pa_context_set_state_callback(m_context, &PulseOutput::contextStateChanged, this);
    // The desktop starts its sound server; a game never starts one of its own.
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        reportNoServer(pa_context_errno(m_context));
        dropConnection();
    }
}

void PulseOutput::dropConnection()
{
    if (!m_context)
        return;
    pa_context_set_state_callback(m_context, nullptr, nullptr);
    pa_context_disconnect(m_context);
    pa_context_unref(m_context);
    m_context = nullptr;
}

void PulseOutput::contextStateChanged(pa_context *context, void *self)
{
    auto *output = static_cast<PulseOutput *>(self);
    const pa_context_state_t state = pa_context_get_state(context);
    if (state == PA_CONTEXT_READY && output->m_waiting)
        output->startStream();
    else if (state == PA_CONTEXT_FAILED) {
        // The sound waiting for this connection is dropped; the next sound connects afresh.
        output->m_waiting = false;
        output->reportNoServer(pa_context_errno(context));
    }
}

void PulseOutput::startStream()
{
    m_waiting = false;
    m_bytesWritten = 0;
    const pa_sample_spec format{sampleFormat(m_sound.bitsPerSample), std::uint32_t(m_sound.sampleRate),
                                std::uint8_t(m_sound.channels)};
    pa_channel_map speakers;
    if (!pa_sample_spec_valid(&format) || !pa_channel_map_init_auto(&speakers, format.channels, PA_CHANNEL_MAP_DEFAULT))
        return;
    m_stream = pa_stream_new(m_context, "Sound effect", &format, &speakers);
    if (!m_stream)
        return;
    pa_stream_set_write_callback(m_stream, &PulseOutput::streamWantsData, this);
    if (pa_stream_connect_playback(m_stream, nullptr, nullptr, PA_STREAM_NOFLAGS, nullptr, nullptr) < 0)
        stopStream();
}

void PulseOutput::stopStream()
{
    if (!m_stream)
        return;
    // Disconnecting ends the sound on the server at once, however much of it is still buffered.
    pa_stream_set_write_callback(m_stream, nullptr, nullptr);
    pa_stream_disconnect(m_stream);
    pa_stream_unref(m_stream);
    m_stream = nullptr;
}

void PulseOutput::streamWantsData(pa_stream *stream, std::size_t wanted, void *self)
{
    auto *output = static_cast<PulseOutput *>(self);
    if (stream == output->m_stream)
        output->writeMore(wanted);
}

void PulseOutput::writeMore(std::size_t wanted)
{
    const std::size_t total = m_sound.samples.size();
    if (m_bytesWritten >= total)
        return;
    const std::size_t length = std::min(wanted, total - m_bytesWritten);
    if (pa_stream_write(m_stream, m_sound.samples.data() + m_bytesWritten, length, nullptr, 0, PA_SEEK_RELATIVE) < 0)
        return;
    m_bytesWritten += length;
    // Once the whole sound is with the server, draining starts even a sound shorter than the
    // server's buffer, and its end closes the stream.
    if (m_bytesWritten == total)
        if (pa_operation *draining = pa_stream_drain(m_stream, &PulseOutput::streamDrained, this))
            pa_operation_unref(draining);
}

void PulseOutput::streamDrained(pa_stream *stream, int, void *self)
{
    auto *output = static_cast<PulseOutput *>(self);
    if (stream == output->m_stream)
        output->stopStream();
}

void PulseOutput::reportNoServer(int error)
{
    if (m_toldNoServer)
        return;
    m_toldNoServer = true;
    std::fprintf(stderr, "quellard: no sound server (%s); the game goes on without sound\n", pa_strerror(error));
}

} // namespace quellard
