// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

namespace quellard {

// A hand is held as seven card values, one per slot; an empty slot counts 0.
using HandValues = std::array<int, 7>;

constexpr int kCardsInPack = 52;

// Every card is drawn from a full pack: the card number is the integer part of r x 52, plus 1,
// for r uniform in [0, 1). Nothing remembers which cards are out, so the same card can come twice.
int drawCardNumber(float r);

// Card numbers run in four suits of thirteen: ace (1), two to ten at face value,
// jack, queen and king (ranks 11 to 13) count 10.
int cardValue(int cardNumber);

// The rank 1..13 (1 ace, 11 jack, 12 queen, 13 king) and suit 0..3 (clubs, diamonds, hearts,
// spades) that the face of a card number shows.
int cardRank(int cardNumber);
int cardSuit(int cardNumber);

// The hand's total with one ace counted as 11 when that keeps the total at 21 or less.
int handTotal(const HandValues &values);

} // namespace quellard
