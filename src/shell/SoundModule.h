#pragma once

namespace quellard {

class SoundPort;

// The entry point of the sound module (sound/SoundEffects.cpp): a new player of sound files, owned
// by the caller.
using SoundModuleFactory = SoundPort *(*)();
inline constexpr char kSoundModuleFactory[] = "quellard_create_sound_effects";

} // namespace quellard
