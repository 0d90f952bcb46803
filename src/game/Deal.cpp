// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Game.h"

namespace quellard {

// New: start a game with the bet on the table.
void Game::deal()
{
    Table &t = m_table;
    if (!t.open.deal)
        return;

    // 1. Out of money: offer a fresh start instead of a game.
    if (t.broke()) {
        outOfMoneyPrompt();
        return;
    }
    // 2. No bet, no game.
    if (t.bet == Money()) {
        m_host.refuse(Refusal::NoBet);
        return;
    }
    // 3. The last game's cards no longer count, even in slots that stay on the table.
    t.player.values.fill(0);
    t.dealer.values.fill(0);
    // 4. The bet is locked in.
    t.open.doubleDown = false;
    t.open.stand = true;
    t.open.chips = false;
    // 5. The further slots of both hands go; the first two player slots and the dealer's first are
    //    dealt over next.
    for (std::size_t i = 2; i < kSlotsPerHand; ++i)
        t.player.cardSlots[i].visible = false;
    for (std::size_t i = 1; i < kSlotsPerHand; ++i)
        t.dealer.cardSlots[i].visible = false;
    // 6. A fresh shuffle for every game.
    m_random.reseedFromClock();
    // 7. The dealer's up card. Its total shows that card alone (an ace as 1) until the dealer's turn.
    t.dealer.values[0] = cardValue(dealCardInto(t.dealer.cardSlots[0]));
    t.dealer.total = t.dealer.values[0];
    // 8. The player's two cards, each shown as it is drawn, valued afterwards.
    const int first = dealCardInto(t.player.cardSlots[0]);
    const int second = dealCardInto(t.player.cardSlots[1]);
    t.player.values[0] = cardValue(first);
    t.player.values[1] = cardValue(second);
    // 9. The player's turn begins (Stand opened with the bet, in step 4).
    t.open.deal = false;
    t.open.hit = true;
    // 10. Two cards can never go over 21, so an ace simply counts 11.
    t.player.total = t.player.values[0] + t.player.values[1];
    if (t.player.values[0] == 1 || t.player.values[1] == 1)
        t.player.total += 10;
    // 11. An ace up: the insurance question comes before anything else happens to the hand.
    if (t.dealer.values[0] == 1)
        offerInsurance();
    // 12. A two-card 21 is paid at once; the dealer's hand is not played.
    const bool blackjack =
        (t.player.values[0] == 1 && t.player.values[1] == 10) || (t.player.values[0] == 10 && t.player.values[1] == 1);
    if (blackjack)
        outcomeBlackjack();
    // 13. Double down is offered on exactly 11.
    if (t.player.total == 11)
        t.open.doubleDown = true;
}

} // namespace quellard
