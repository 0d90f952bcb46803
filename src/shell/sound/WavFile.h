// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quellard {

// A sound ready to play: whole frames of little-endian PCM samples and their format.
struct PcmSound {
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0; // 8 (unsigned), 16 or 32 (signed)
    std::string samples;
};

// The largest sound file the game reads: minutes of the short effects it plays.
inline constexpr std::size_t kLargestSoundFile = 16 * 1024 * 1024;

// The sound a WAV file holds, or nothing unless it is a plain PCM WAV whose format chunk comes
// before its data and whose samples are all there. A file cut short, one with a wrong or missing
// header, an empty one and one larger than kLargestSoundFile are all refused, so that nothing
// the sound server cannot finish ever reaches it. readWav refuses a path that is not a regular
// file (a folder, a pipe) without opening it.
std::optional<PcmSound> wavSound(std::string_view fileBytes);
std::optional<PcmSound> readWav(const std::string &path);

} // namespace quellard
