// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/CardRules.h"

#include <algorithm>
#include <numeric>

namespace quellard {

int drawCardNumber(float r)
{
    // Multiply in double: in single precision the float just below a card's share boundary, times
    // 52, can round up onto the boundary and give the next card (it does for two of the 51).
    const int card = static_cast<int>(static_cast<double>(r) * kCardsInPack) + 1;
    return std::clamp(card, 1, kCardsInPack);
}

int cardValue(int cardNumber)
{
    int v = cardNumber;
    if (v > 39)
        v -= 39;
    if (v > 26)
        v -= 26;
    if (v > 13)
        v -= 13;
    if (v > 10)
        v = 10;
    return v;
}

int cardRank(int cardNumber) { return (cardNumber - 1) % 13 + 1; }

Suit cardSuit(int cardNumber) { return Suit((cardNumber - 1) / 13); }

int handTotal(const HandValues &values)
{
    const bool holdsAce = std::find(values.begin(), values.end(), 1) != values.end();
    // 1. The hard total: every ace counts 1.
    int total = std::accumulate(values.begin(), values.end(), 0);
    // 2. One ace may count 11 instead...
    if (holdsAce)
        total += 10;
    // 3. ...but not when that takes the hand over 21.
    if (total > 21 && holdsAce)
        total -= 10;
    return total;
}

} // namespace quellard
