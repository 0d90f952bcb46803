// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Game.h"
#include "game/Payouts.h"
#include "game/Sounds.h"

namespace quellard {

// The end of a game that reached the dealer's turn: the dealer stands on 17 or more or went over 21,
// the player holds 21 or less.
void Game::decideOutcome()
{
    Table &t = m_table;
    // 1. Insurance pays before the hands are compared, when the dealer turned a blackjack.
    if (t.insured && t.dealer.values[0] == 1 && t.dealer.values[1] == 10)
        payInsurance();
    // 2. Each test that holds overrides the ones before it, so a dealer over 21 loses to any player
    //    still in the game.
    enum class Result { Push, Loss, Win };
    const int player = t.player.total;
    const int dealer = t.dealer.total;
    Result result = Result::Push;
    if (player < dealer)
        result = Result::Loss;
    if (player < dealer && dealer > 21)
        result = Result::Win;
    if (player > dealer)
        result = Result::Win;
    // 3. The outcome plays its sound and moves the money.
    switch (result) {
    case Result::Push: outcomePush(); break;
    case Result::Loss: outcomeLose(); break;
    case Result::Win: outcomeWin(); break;
    }
    // 4. Betting opens again.
    t.bet = Money();
    t.open.chips = true;
}

// Insurance is paid on the bet as it stands now: twice the first stake after a double.
void Game::payInsurance()
{
    m_table.cash += paidBack(Payout::Insurance, m_table.bet);
    m_table.open.deal = true;
}

// A push returns the stake.
void Game::outcomePush()
{
    playSound(sounds::kPush);
    m_table.open.hit = false;
    m_table.open.stand = false;
    m_table.open.deal = true;
    m_table.cash += paidBack(Payout::Push, m_table.bet);
}

// A loss keeps the stake.
void Game::outcomeLose()
{
    playSound(sounds::kLose);
    clearBetAndReopenBetting();
}

// A win pays even money.
void Game::outcomeWin()
{
    playSound(m_table.dealer.total > 21 ? sounds::kDealerBust : sounds::kWin);
    m_table.cash += paidBack(Payout::Win, m_table.bet);
    clearBetAndReopenBetting();
}

// A two-card 21 is paid at once at the deal.
void Game::outcomeBlackjack()
{
    playSound(sounds::kBlackjack);
    m_table.cash += paidBack(Payout::Blackjack, m_table.bet);
    m_table.open.hit = false;
    m_table.open.stand = false;
    clearBetAndReopenBetting();
}

// The common end of a lost or won game: the bet is gone from the table and the next one can be placed.
void Game::clearBetAndReopenBetting()
{
    m_table.bet = Money();
    m_table.open.chips = true;
    m_table.open.deal = true;
}

} // namespace quellard
