#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quellard {

// A sound ready for the sound server: 16-bit signed samples in the machine's byte order, one
// frame of `channels` samples after another.
struct DecodedSound {
    int sampleRate = 0;
    int channels = 0;
    std::vector<std::int16_t> samples;
};

// The largest sound file the game reads: minutes of the short effects it plays.
inline constexpr std::uintmax_t kLargestSoundFile = 16 * 1024 * 1024;

// The sound of a WAV file, decoded by libsndfile from any encoding it reads (PCM of 8 to 32 bits,
// floating point, mu-law, A-law, ADPCM). Nothing unless the file is a WAV file with every frame its
// header promises: a file cut short, an empty one, one of another format, one with more than eight
// channels and one larger than kLargestSoundFile are all refused, as are paths that are not
// regular files (a folder, a pipe), which could otherwise keep the reader waiting.
std::optional<DecodedSound> decodeWavFile(const std::string &path);

} // namespace quellard
