// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>

namespace quellard {

// How long the dealer waits before a card when the pause starts at the given time of day: until
// the start, rounded to the nearest whole second (halves to even), plus the card delay in seconds.
// A pause that starts just before midnight still lasts its length.
std::chrono::milliseconds dealerPauseLength(double secondsSinceMidnight, int cardDelay);

} // namespace quellard
