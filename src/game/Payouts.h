// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/Money.h"

namespace quellard {

// Every way money comes back from the table.
enum class Payout {
    Push,      // equal totals
    Win,       // a higher total, or the dealer over 21
    Blackjack, // the player's first two cards make 21, paid at once
    Insurance, // the player insured and the dealer holds an ace and a ten
};

// What a payout puts into the cash for the bet on the table, the stake included: the house's
// odds, all in one place.
constexpr Money paidBack(Payout payout, Money bet)
{
    switch (payout) {
    case Payout::Push: return bet;                  // the stake back
    case Payout::Win: return bet.times(2);          // the stake and even money
    case Payout::Blackjack: return bet.times(5, 2); // the stake and 3 to 2
    case Payout::Insurance: return bet.times(3, 2); // the premium back and 2 to 1 on it
    }
    return Money();
}

// Insurance costs half the bet.
constexpr Money insurancePremium(Money bet) { return bet.times(1, 2); }

} // namespace quellard
