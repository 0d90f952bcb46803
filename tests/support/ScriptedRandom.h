#pragma once

#include "engine/RandomSource.h"

#include <deque>
#include <initializer_list>
#include <stdexcept>

namespace quellard::testing {

// Deals the card numbers it is given, in order.
class ScriptedRandom : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<int> cards) { deal(cards); }

    void deal(std::initializer_list<int> cards)
    {
        for (int card : cards)
            m_cards.push_back(card);
    }

    float next() override
    {
        if (m_cards.empty())
            throw std::logic_error("the script ran out of cards");
        const int card = m_cards.front();
        m_cards.pop_front();
        // The middle of the card's share of [0, 1).
        return (float(card) - 0.5f) / 52.0f;
    }

    void reseedFromClock() override { ++reseeds; }

    bool exhausted() const { return m_cards.empty(); }
    int reseeds = 0;

private:
    std::deque<int> m_cards;
};

// Card numbers by what they show, for readable scripts: suit 0 clubs, 1 diamonds, 2 hearts, 3 spades.
constexpr int card(int rank, int suit = 0) { return suit * 13 + rank; }
constexpr int kAce = 1, kJack = 11, kQueen = 12, kKing = 13;

} // namespace quellard::testing
