// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/CardRules.h"

#include "game/RandomSource.h"

#include <deque>
#include <initializer_list>
#include <stdexcept>

namespace quellard::testing {

// Deals the card numbers it is given, in order.
class ScriptedRandom : public RandomSource {
public:
    void deal(std::initializer_list<int> cards) { m_cards.insert(m_cards.end(), cards); }
    bool exhausted() const { return m_cards.empty(); }

    float next() override
    {
        if (m_cards.empty())
            throw std::logic_error("a card was drawn that the test did not deal");
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
