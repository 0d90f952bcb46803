// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/RandomSource.h"

#include <chrono>

namespace quellard {

ClockSeededRandom::ClockSeededRandom(std::uint64_t seedValue) { seed(seedValue); }

float ClockSeededRandom::next()
{
    // 24 random bits scaled by 2^-24: every float value k / 2^24 in [0, 1) is equally likely,
    // and 1 itself can never come out (std::generate_canonical may round up to 1).
    return static_cast<float>(m_generator() >> 8) * 0x1.0p-24f;
}

void ClockSeededRandom::reseedFromClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    seed(static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

void ClockSeededRandom::seed(std::uint64_t value)
{
    std::seed_seq sequence{static_cast<std::uint32_t>(value), static_cast<std::uint32_t>(value >> 32)};
    m_generator.seed(sequence);
}

} // namespace quellard
