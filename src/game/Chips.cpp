// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Game.h"

namespace quellard {

void Game::placeChip(const Chip &chip)
{
    if (m_table.open.chips)
        stake(chip.amount);
}

void Game::stake(Money amount)
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
        restart();
}

} // namespace quellard
