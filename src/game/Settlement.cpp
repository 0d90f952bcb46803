// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Amount.h"
#include "game/Game.h"
#include "game/Sounds.h"

namespace quellard {

// The end of a game that reached the dealer's turn: the dealer stands on 17 or more or went over 21,
// the player holds 21 or less.
void Game::decideOutcome()
{
    Table &t = m_table;
    // 1. Insurance pays before the hands are compared, when the dealer turned a blackjack.
    if (t.insYes && t.dealer.values[0] == 1 && t.dealer.values[1] == 10)
        payInsurance();
    // 2. Each test that holds overrides the ones before it, so a dealer over 21 loses to any player
    //    still in the game. A push is two totals that read the same on the table: the rule compares
    //    the shown texts, which for the whole numbers a total holds is comparing the numbers.
    const double player = t.player.total;
    const double dealer = t.dealer.total;
    if (formatAmount(player) == formatAmount(dealer))
        t.gameResult = GameResult::Push;
    if (player < dealer)
        t.gameResult = GameResult::Loss;
    if (player < dealer && dealer > 21)
        t.gameResult = GameResult::Win;
    if (player > dealer)
        t.gameResult = GameResult::Win;
    // 3. The outcome plays its sound and moves the money.
    switch (*t.gameResult) {
    case GameResult::Push: outcomePush(); break;
    case GameResult::Loss: outcomeLose(); break;
    case GameResult::Win: outcomeWin(); break;
    }
    // 4. Betting opens again.
    t.bet = 0;
    t.labels.setChips(true);
}

// Insurance returns its premium of half the bet and pays 2 to 1 on it: 1.5 times the bet, as the
// bet stands now (twice the first stake after a double).
void Game::payInsurance()
{
    m_table.cash += m_table.bet * 1.5;
    m_table.labels.lblNew = true;
}

// A push returns the stake.
void Game::outcomePush()
{
    playSound(sounds::kPush);
    m_table.labels.lblHit = false;
    m_table.labels.lblStand = false;
    m_table.labels.lblNew = true;
    m_table.cash += m_table.bet;
}

// A loss keeps the stake.
void Game::outcomeLose()
{
    playSound(sounds::kLose);
    clearBetAndReopenBetting();
}

// A win returns the stake and pays even money.
void Game::outcomeWin()
{
    playSound(m_table.dealer.total > 21 ? sounds::kDealerBust : sounds::kWin);
    m_table.cash += m_table.bet * 2;
    clearBetAndReopenBetting();
}

// A two-card 21 returns the stake and pays 3 to 2, at once at the deal.
void Game::outcomeBlackjack()
{
    playSound(sounds::kBlackjack);
    m_table.cash += m_table.bet * 2.5;
    m_table.labels.lblHit = false;
    m_table.labels.lblStand = false;
    clearBetAndReopenBetting();
}

// The common end of a lost or won game: the bet is gone from the table and the next one can be placed.
void Game::clearBetAndReopenBetting()
{
    m_table.bet = 0;
    m_table.labels.setChips(true);
    m_table.labels.lblNew = true;
}

} // namespace quellard
