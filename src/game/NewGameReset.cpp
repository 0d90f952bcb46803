// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Game.h"

namespace quellard {

void Game::restart()
{
    // A dealer's turn waiting in a pause ends here: it must not go on drawing onto the fresh table.
    abandonDealerTurn();

    // Fresh cash and an empty table, with betting open; any bet on the table is gone with the old
    // cash. The card values, the insurance flag, the sound switch and the card back are left alone:
    // the next deal clears the values and every game with an ace up sets the flag anew.
    const Table fresh = Table::fresh();
    Table &t = m_table;
    t.cash = fresh.cash;
    t.bet = fresh.bet;
    t.player.total = fresh.player.total;
    t.dealer.total = fresh.dealer.total;
    t.dealer.cardSlots = fresh.dealer.cardSlots;
    t.player.cardSlots = fresh.player.cardSlots;
    t.open = fresh.open;
}

} // namespace quellard
