#include "shell/sound/SoundFile.h"

#include <sndfile.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

namespace quellard {

namespace {

struct CloseSoundFile {
    void operator()(SNDFILE *file) const { sf_close(file); }
};
using SoundFile = std::unique_ptr<SNDFILE, CloseSoundFile>;

constexpr int kMostChannels = 8; // what the sound server maps to speakers without being told how

// The bytes one frame takes in the data chunk, for the encodings that store every frame alike;
// 0 for the block-coded ones (ADPCM, GSM), whose length only libsndfile itself can judge.
unsigned bytesPerFrame(const SF_INFO &info)
{
    unsigned bytes = 0;
    switch (info.format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_U8:
    case SF_FORMAT_ULAW:
    case SF_FORMAT_ALAW: bytes = 1; break;
    case SF_FORMAT_PCM_16: bytes = 2; break;
    case SF_FORMAT_PCM_24: bytes = 3; break;
    case SF_FORMAT_PCM_32:
    case SF_FORMAT_FLOAT: bytes = 4; break;
    case SF_FORMAT_DOUBLE: bytes = 8; break;
    default: break;
    }
    return bytes * unsigned(info.channels);
}

// Whether the data chunk holds every frame its header promises. libsndfile plays a file that was
// cut short as far as it goes; the game refuses it, as it refuses every sound that is not whole.
bool allFramesThere(SNDFILE *file, const SF_INFO &info)
{
    const unsigned frameBytes = bytesPerFrame(info);
    if (frameBytes == 0)
        return true;
    SF_CHUNK_INFO data{};
    std::memcpy(data.id, "data", 4);
    data.id_size = 4;
    SF_CHUNK_ITERATOR *chunk = sf_get_chunk_iterator(file, &data);
    if (!chunk || sf_get_chunk_size(chunk, &data) != SF_ERR_NO_ERROR)
        return false;
    return data.datalen / frameBytes <= std::uint64_t(info.frames);
}

bool isWav(const SF_INFO &info)
{
    const int container = info.format & SF_FORMAT_TYPEMASK;
    return container == SF_FORMAT_WAV || container == SF_FORMAT_WAVEX;
}

} // namespace

std::optional<DecodedSound> decodeWavFile(const std::string &path)
{
    // Only a regular file of a sensible size is opened: a huge one is never read, and a pipe or a
    // device could block the reader.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error) || std::filesystem::file_size(path, error) > kLargestSoundFile ||
        error)
        return std::nullopt;
    SF_INFO info{};
    const SoundFile file(sf_open(path.c_str(), SFM_READ, &info));
    if (!file || !isWav(info) || info.frames <= 0 || info.channels < 1 || info.channels > kMostChannels ||
        info.samplerate < 1000 || info.samplerate > 384000 ||
        std::uint64_t(info.frames) * unsigned(info.channels) > kLargestSoundFile || !allFramesThere(file.get(), info))
        return std::nullopt;
    // Floating-point samples beyond full scale are clipped rather than wrapped round into noise.
    sf_command(file.get(), SFC_SET_CLIPPING, nullptr, SF_TRUE);
    DecodedSound sound{info.samplerate, info.channels, {}};
    sound.samples.resize(std::size_t(info.frames) * std::size_t(info.channels));
    if (sf_readf_short(file.get(), sound.samples.data(), info.frames) != info.frames)
        return std::nullopt;
    return sound;
}

} // namespace quellard
