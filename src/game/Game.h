// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/Host.h"
#include "game/RandomSource.h"
#include "game/Table.h"

#include <string_view>

namespace quellard {

// The game on the table and every operation on it: the chips, the deal, the player's hits, the
// double, the insurance question, the dealer's turn, the settlement and the fresh start. Each public
// operation is what one click or menu command does; a click on a disabled label does nothing.
class Game {
public:
    // Starts from the given table; a fresh one unless a test sets up another.
    Game(Host &host, RandomSource &random, Table start = Table::fresh());
    Game(const Game &) = delete;
    Game &operator=(const Game &) = delete;

    const Table &table() const { return m_table; }

    // The three chips move their amount from the cash to the bet.
    void lblBet5Click();
    void lblBet10Click();
    void lblBet50Click();
    // New: deal.
    void lblNewClick();
    // Hit: one more card for the player.
    void lblHitClick();
    // Stand: the dealer plays, then the game is settled.
    void lblStandClick();
    // Double: twice the bet, one more card, then the dealer plays.
    void lblDoubleClick();
    // File > Re-Start New Game, and Yes to the out-of-money question: 500 in cash, an empty table.
    void newGameClick();

    // A new card back was loaded: the deck pile and the dealer's first and the player's first two
    // slots take it, whatever they show, so dealt cards there turn face down. Totals and money stay.
    void newCardBackLoaded();

    // The window is closing: a dealer's turn waiting in a pause ends where it stands, unsettled.
    void abandonDealerTurn();
    bool dealerTurnRunning() const { return m_dealerTurn == DealerTurn::Running; }

private:
    enum class DealerTurn { Idle, Running, Abandoned };

    // Money.
    void placeChip(double amount);
    void outOfMoneyPrompt();
    void doubleDown();
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
