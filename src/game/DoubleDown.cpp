// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Game.h"

namespace quellard {

// Double: offered only on a freshly dealt 11, and gone after one click whatever happened.
void Game::doubleDown()
{
    if (!m_table.open.doubleDown)
        return;
    doubleTheBet();
    m_table.open.doubleDown = false;
}

void Game::doubleTheBet()
{
    Table &t = m_table;
    // 1. A broke player is offered a fresh start instead.
    if (t.broke()) {
        outOfMoneyPrompt();
        return;
    }
    // 2. Doubling needs the bet once more in cash; exactly the bet is enough. A refusal leaves the
    //    player's turn as it was, without the double.
    if (t.bet > t.cash) {
        m_host.refuse(Refusal::NotEnoughMoney);
        return;
    }
    // 3.-4. The second stake joins the first.
    t.cash -= t.bet;
    t.bet += t.bet;
    // 5.-7. Exactly one more card, without a sound or a pause.
    CardSlot &slot = t.player.cardSlots[2];
    slot.visible = true;
    t.player.values[2] = cardValue(dealCardInto(slot));
    // 8. The plain sum: an ace counts 1 here, since 11 and 11 would be 22.
    t.player.total = t.player.values[0] + t.player.values[1] + t.player.values[2];
    // 9. The player has no further choice: the dealer plays at once, and the settlement pays on
    //    the doubled bet.
    dealerPlay();
}

} // namespace quellard
