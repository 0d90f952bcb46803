// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/DealerPause.h"
#include "game/Game.h"
#include "game/Sounds.h"

namespace quellard {

// Stand: the player's turn is over.
void Game::stand()
{
    if (m_table.open.stand)
        dealerPlay();
}

// The dealer turns the hole card and draws to 17, one card after each pause, then the game is
// settled. Also the last step of a double down.
void Game::dealerPlay()
{
    Table &t = m_table;
    Hand &dealer = t.dealer;
    m_dealerTurn = DealerTurn::Running;

    // 1. Nothing the player can do while the dealer plays.
    t.open.doubleDown = false;
    t.open.hit = false;
    t.open.deal = false;
    t.open.stand = false;

    // When all seven slots are in use the last choice, PicCom7, stays: further cards replace the
    // card there.
    std::size_t chosen = 6;
    for (;;) {
        // 2. The dealer stands on every 17 or more, soft 17 included.
        if (dealer.total >= 17) {
            m_dealerTurn = DealerTurn::Idle;
            decideOutcome();
            return;
        }
        // 3. The hole card is turned first, whether it lies face down or is not on the table yet.
        const CardSlot &hole = dealer.cardSlots[1];
        chosen = hole.faceDown() || !hole.visible ? 1 : dealer.lowestHiddenSlot(2).value_or(chosen);
        // 4. A moment's suspense before each card; a restart or closing the window ends the turn here.
        if (!pauseBeforeDealerCard())
            return;
        // 5.-7. The card is heard, then its slot shows its face (over the card back of a hole card).
        playSound(sounds::kCard);
        CardSlot &slot = dealer.cardSlots[chosen];
        slot.visible = true;
        const int card = dealCardInto(slot);
        // 8.-9. Its value joins the dealer's total, with one ace as 11 when it fits.
        dealer.values[chosen] = cardValue(card);
        dealer.total = handTotal(dealer.values);
    }
}

bool Game::pauseBeforeDealerCard()
{
    m_host.tableChanged();
    m_host.pause(dealerPauseLength(m_host.secondsSinceMidnight(), m_table.cardDelay));
    if (m_dealerTurn != DealerTurn::Abandoned)
        return true;
    m_dealerTurn = DealerTurn::Idle;
    return false;
}

void Game::abandonDealerTurn()
{
    if (m_dealerTurn != DealerTurn::Running)
        return;
    m_dealerTurn = DealerTurn::Abandoned;
    m_host.cancelPause();
}

} // namespace quellard
