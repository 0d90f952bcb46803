// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/CardRules.h"

#include "game/RandomSource.h"

#include <deque>
#include <functional>
#include <initializer_list>

namespace quellard::testing {

// Deals the card numbers it is given, in order. A card drawn that the test did not deal is a fault
// of the game or the test: `undealt` is told, and an ace dealt so that the game can go on.
class ScriptedRandom : public RandomSource {
public:
    void deal(std::initializer_list<int> cards) { m_cards.insert(m_cards.end(), cards); }
    bool exhausted() const { return m_cards.empty(); }

    std::function<void()> undealt;

    float next() override
    {
        if (m_cards.empty()) {
            if (undealt)
                undealt();
            return 0.5f / 52.0f;
        }
        const int card = m_cards.front();
        m_cards.pop_front();
        return (float(card) - 0.5f) / 52.0f; // the middle of the card's share of [0, 1)
    }
    void reseedFromClock() override {}

private:
    std::deque<int> m_cards;
};

// Card numbers by what they show, for readable scripts: suit 0 clubs, 1 diamonds, 2 hearts, 3 spades.
constexpr int card(int rank, int suit = 0) { return cardNumberOf(rank, Suit(suit)); }

} // namespace quellard::testing
