// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Game.h"
#include "game/Sounds.h"

namespace quellard {

// Hit: one more card for the player, into the first free slot after the two dealt ones.
void Game::hit()
{
    Table &t = m_table;
    if (!t.open.hit)
        return;

    // 1. Doubling is only for the first two cards.
    t.open.doubleDown = false;
    // 2.-3. With all seven slots in use nothing is dealt, and nothing is heard.
    if (const auto chosen = t.player.lowestHiddenSlot(2)) {
        playSound(sounds::kCard);
        CardSlot &slot = t.player.cardSlots[*chosen];
        slot.visible = true;
        t.player.values[*chosen] = cardValue(dealCardInto(slot));
    }
    // 4. The total is written again even when no card came.
    t.player.total = handTotal(t.player.values);
    // 5. Over 21: the game is lost and the dealer's hand is not played.
    if (t.player.total > 21) {
        outcomeLose();
        t.open.stand = false;
        t.open.hit = false;
        t.open.deal = true;
    }
}

} // namespace quellard
