// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace quellard {

// A hand is held as seven card values, one per slot; an empty slot counts 0.
inline constexpr std::size_t kSlotsPerHand = 7; // each side of the table holds seven cards
using HandValues = std::array<int, kSlotsPerHand>;

constexpr int kCardsInPack = 52;

// Every card is drawn from a full pack: the card number is the integer part of r x 52, plus 1,
// for r uniform in [0, 1). Nothing remembers which cards are out, so the same card can come twice.
int drawCardNumber(float r);

// Card numbers run in four suits of thirteen ranks: 1 to 13 are the clubs from the ace up, 14 to 26
// the diamonds, 27 to 39 the hearts and 40 to 52 the spades.
enum class Suit { Clubs, Diamonds, Hearts, Spades };
inline constexpr std::array<std::string_view, 4> kSuitNames{"clubs", "diamonds", "hearts", "spades"};
constexpr bool isRed(Suit suit) { return suit == Suit::Diamonds || suit == Suit::Hearts; }

// The ranks 1 to 13, ace first: their names, and the symbols in a card's corners.
inline constexpr int kAce = 1, kJack = 11, kQueen = 12, kKing = 13;
inline constexpr std::array<std::string_view, 13> kRankNames{"Ace",   "Two",  "Three", "Four", "Five",  "Six", "Seven",
                                                             "Eight", "Nine", "Ten",   "Jack", "Queen", "King"};
inline constexpr std::array<std::string_view, 13> kRankSymbols{"A", "2", "3",  "4", "5", "6", "7",
                                                               "8", "9", "10", "J", "Q", "K"};

// The card number of a rank in a suit.
constexpr int cardNumberOf(int rank, Suit suit) { return int(suit) * 13 + rank; }

// The rank and the suit that the face of a card number shows.
int cardRank(int cardNumber);
Suit cardSuit(int cardNumber);

// An ace counts 1 (or 11 in a hand's total), two to ten their face value, the courts 10.
int cardValue(int cardNumber);

// The hand's total with one ace counted as 11 when that keeps the total at 21 or less.
int handTotal(const HandValues &values);

} // namespace quellard
