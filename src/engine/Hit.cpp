#include "engine/Game.h"
#include "settings/SoundFiles.h"

namespace quellard {

// "Hit": one more card for the player, into the first free slot after the two dealt ones.
void Game::lblHitClick()
{
    Table &t = m_table;
    if (!t.labels.lblHit)
        return;

    // 1. Doubling is only for the first two cards.
    t.labels.lblDouble = false;
    // 2. Choose the slot: the lowest hidden one of PicPlay3..7, or none when all seven are used.
    int chosen = -1;
    for (int i = 6; i >= 2; --i) {
        if (!t.player.cardSlots[i].visible)
            chosen = i;
    }
    // 3. Deal into it.
    if (chosen >= 0) {
        playSound(sounds::kCard);
        CardSlot &slot = t.player.cardSlots[chosen];
        slot.visible = true;
        t.player.values[chosen] = cardValue(dealCardInto(slot));
    }
    // 4. The total, with one ace as 11 when it fits.
    t.player.total = handTotal(t.player.values);
    // 5. Over 21: the game is lost and the dealer's hand is not played.
    if (t.player.total > 21) {
        outcomeLose();
        t.labels.lblStand = false;
        t.labels.lblHit = false;
        t.labels.lblNew = true;
    }
}

} // namespace quellard
