#pragma once

namespace quellard {

struct PcmSound;

// What the sound module (sound/SoundEffects.cpp) offers: the device's audio output, one sound at
// a time. play() returns at once; a new sound cuts off the one still playing.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual void play(const PcmSound &sound) = 0;
};

// The module's entry point: a new output, owned by the caller.
using SoundModuleFactory = SoundOutput *(*)();
inline constexpr char kSoundModuleFactory[] = "quellard_create_sound_output";

} // namespace quellard
