// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/DealerPause.h"

#include <cmath>

namespace quellard {

std::chrono::milliseconds dealerPauseLength(double secondsSinceMidnight, int cardDelay)
{
    // The pause counts from the whole second nearest to now, a half rounding to the even second,
    // so with a delay of one second it lasts between half a second and one and a half.
    const double whole = std::floor(secondsSinceMidnight);
    const double fraction = secondsSinceMidnight - whole;
    double start = fraction < 0.5 ? whole : whole + 1;
    if (fraction == 0.5 && std::fmod(whole, 2.0) == 0.0)
        start = whole;
    const double remaining = start + cardDelay - secondsSinceMidnight;
    return std::chrono::milliseconds(std::llround(remaining * 1000.0));
}

} // namespace quellard
