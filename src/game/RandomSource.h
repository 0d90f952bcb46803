// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <random>

namespace quellard {

// Where the cards come from: uniform values in [0, 1). Injected so that tests can choose every card.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
    // Every deal starts from a fresh seed taken from the clock.
    virtual void reseedFromClock() = 0;
};

class ClockSeededRandom final : public RandomSource {
public:
    explicit ClockSeededRandom(std::uint64_t seed = 0);
    float next() override;
    void reseedFromClock() override;
    void seed(std::uint64_t value);

private:
    std::mt19937 m_generator;
};

} // namespace quellard
