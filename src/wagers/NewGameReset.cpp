#include "wagers/Wagers.h"

namespace quellard {

void Wagers::newGameClick()
{
    // A dealer's turn waiting in a pause ends here: it must not go on drawing onto the fresh table.
    m_game.abandonDealerTurn();

    Table &t = m_table;
    // 1.-4. Fresh cash; any bet on the table is gone with the old cash.
    t.cash = 500;
    t.bet = 0;
    t.player.total = 0;
    t.dealer.total = 0;
    // 5.-8. One face-down dealer card and two face-down player cards.
    const CardSlot faceDown{true, SlotFace::CardBack, 0};
    t.dealer.cardSlots[0] = faceDown;
    for (int i = 1; i < 7; ++i)
        t.dealer.cardSlots[i].visible = false;
    t.player.cardSlots[0] = faceDown;
    t.player.cardSlots[1] = faceDown;
    for (int i = 2; i < 7; ++i)
        t.player.cardSlots[i].visible = false;
    // 9.-11. Betting is open; nothing else is.
    t.labels.lblNew = true;
    t.labels.lblHit = false;
    t.labels.lblStand = false;
    t.labels.lblDouble = false;
    t.labels.setChips(true);
    // The card values, the insurance flag, the sound switch and the card back are left alone:
    // the next deal clears the values and every game with an ace up sets the flag anew.
}

} // namespace quellard
