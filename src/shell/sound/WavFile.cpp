// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/sound/WavFile.h"

#include "settings/FileText.h"

#include <cstdint>
#include <filesystem>
#include <system_error>

namespace quellard {

namespace {

std::uint32_t littleEndian(std::string_view bytes, std::size_t at, std::size_t size)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i)
        value |= std::uint32_t(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return value;
}

constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kExtensible = 0xFFFE; // the format is named by a sub-format, PCM here

// The format chunk's fields, when they describe PCM that the audio output plays.
std::optional<PcmSound> pcmFormat(std::string_view chunk)
{
    if (chunk.size() < 16)
        return std::nullopt;
    const auto tag = std::uint16_t(littleEndian(chunk, 0, 2));
    const bool pcm = tag == kPcm || (tag == kExtensible && chunk.size() >= 26 && littleEndian(chunk, 24, 2) == kPcm);
    PcmSound sound;
    sound.channels = int(littleEndian(chunk, 2, 2));
    sound.sampleRate = int(littleEndian(chunk, 4, 4));
    sound.bitsPerSample = int(littleEndian(chunk, 14, 2));
    const auto blockAlign = littleEndian(chunk, 12, 2);
    const bool playable = sound.channels >= 1 && sound.channels <= 8 && sound.sampleRate >= 1000 &&
                          sound.sampleRate <= 384000 &&
                          (sound.bitsPerSample == 8 || sound.bitsPerSample == 16 || sound.bitsPerSample == 32) &&
                          blockAlign == std::uint32_t(sound.channels * sound.bitsPerSample / 8);
    if (!pcm || !playable)
        return std::nullopt;
    return sound;
}

} // namespace

std::optional<PcmSound> wavSound(std::string_view bytes)
{
    if (bytes.size() < 12 || bytes.size() > kLargestSoundFile || bytes.substr(0, 4) != "RIFF" ||
        bytes.substr(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<PcmSound> sound;
    // The chunks one after another: an id, a size, the contents, and a pad byte after an odd size.
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string_view id = bytes.substr(at, 4);
        const std::size_t size = littleEndian(bytes, at + 4, 4);
        const std::size_t contents = at + 8;
        if (size > bytes.size() - contents)
            return std::nullopt; // the header promises more than the file holds
        if (id == "fmt ") {
            sound = pcmFormat(bytes.substr(contents, size));
            if (!sound)
                return std::nullopt;
        } else if (id == "data") {
            if (!sound)
                return std::nullopt; // samples of a format not yet known
            const std::size_t frame = std::size_t(sound->channels * sound->bitsPerSample / 8);
            sound->samples = std::string(bytes.substr(contents, size - size % frame));
            if (sound->samples.empty())
                return std::nullopt;
            return sound;
        }
        at = contents + size + size % 2;
    }
    return std::nullopt;
}

std::optional<PcmSound> readWav(const std::string &path)
{
    // The size is looked at first, so that a huge file is never read.
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > kLargestSoundFile)
        return std::nullopt;
    const FileText file = readFileText(path);
    if (file.status != FileReadStatus::Read)
        return std::nullopt;
    return wavSound(file.bytes);
}

} // namespace quellard
