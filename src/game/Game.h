// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/Chips.h"
#include "game/Host.h"
#include "game/RandomSource.h"
#include "game/Table.h"

#include <string_view>

namespace quellard {

// The game on the table and every operation on it: the chips, the deal, the player's hits, the
// double, the insurance question, the dealer's turn, the settlement and the fresh start. Each public
// operation is one move of the player; a move that is not open now does nothing.
class Game {
public:
    // Starts from the given table; a fresh one unless a test sets up another.
    Game(Host &host, RandomSource &random, Table start = Table::fresh());
    Game(const Game &) = delete;
    Game &operator=(const Game &) = delete;

    const Table &table() const { return m_table; }

    // A chip moves its amount from the cash to the bet.
    void placeChip(const Chip &chip);
    // Deals a game on the bet placed.
    void deal();
    // One more card for the player.
    void hit();
    // The dealer plays, then the game is settled.
    void stand();
    // Twice the bet, one more card, then the dealer plays.
    void doubleDown();
    // A fresh start: 500 in cash and an empty table (File > Re-Start New Game, or Yes when the
    // player has run out of money).
    void restart();

    // A new card back was loaded: the deck pile and the dealer's first and the player's first two
    // slots take it, whatever they show, so dealt cards there turn face down. Totals and money stay.
    void cardBackChanged();

    // The window is closing: a dealer's turn waiting in a pause ends where it stands, unsettled.
    void abandonDealerTurn();

private:
    enum class DealerTurn { Idle, Running, Abandoned };

    // Money.
    void stake(Money amount);
    void outOfMoneyPrompt();
    void doubleTheBet();
    void offerInsurance();
    void answerInsurance(InsuranceAnswer answer);

    // Cards.
    int dealCardInto(CardSlot &slot);
    void playSound(std::string_view fileName);
    void dealerPlay();
    bool pauseBeforeDealerCard();

    // Settlement.
    void decideOutcome();
    void payInsurance();
    void outcomePush();
    void outcomeLose();
    void outcomeWin();
    void outcomeBlackjack();
    void clearBetAndReopenBetting();

    Host &m_host;
    RandomSource &m_random;
    Table m_table;
    DealerTurn m_dealerTurn = DealerTurn::Idle;
};

} // namespace quellard
