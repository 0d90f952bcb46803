// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Game.h"

namespace quellard {

void Game::lblBet5Click()
{
    if (m_table.labels.lblBet5)
        placeChip(5);
}

void Game::lblBet10Click()
{
    if (m_table.labels.lblBet10)
        placeChip(10);
}

void Game::lblBet50Click()
{
    if (m_table.labels.lblBet50)
        placeChip(50);
}

void Game::placeChip(double amount)
{
    Table &t = m_table;
    // Nothing left at all: the chip is not placed, whatever the answer.
    if (t.broke()) {
        outOfMoneyPrompt();
        return;
    }
    // The chip moves from the cash to the bet when the cash covers it, and is refused otherwise.
    // There is no table limit.
    if (t.cash >= amount) {
        t.bet += amount;
        t.cash -= amount;
        return;
    }
    m_host.refuse(Refusal::NotEnoughMoney);
}

// Asked by the chips, the deal and the double when cash and bet are both gone; each of them ends its
// own work afterwards, whatever the answer.
void Game::outOfMoneyPrompt()
{
    if (m_host.askToStartAgain())
        newGameClick();
}

} // namespace quellard
