#include "engine/Messages.h"
#include "wagers/Wagers.h"

namespace quellard {

// "Double": offered only on a freshly dealt 11, and gone after one click whatever happened.
void Wagers::lblDoubleClick()
{
    if (!m_table.labels.lblDouble)
        return;
    doubleDown();
    m_table.labels.lblDouble = false;
}

void Wagers::doubleDown()
{
    Table &t = m_table;
    const double bet = t.bet;
    const double cash = t.cash;
    // 1. Nothing left at all.
    if (cash == 0 && bet == 0) {
        outOfMoneyPrompt();
        return;
    }
    // 2. Doubling needs the bet once more in cash; exactly the bet is enough.
    if (bet > cash) {
        m_host.showMessage(messages::kNotEnoughMoney, MessageIcon::Information);
        return;
    }
    // 3.-4. The second stake joins the first.
    t.cash = cash - bet;
    t.bet = bet * 2;
    // 5.-7. Exactly one more card, without a sound or a pause.
    CardSlot &slot = t.player.cardSlots[2];
    slot.visible = true;
    t.player.values[2] = cardValue(m_game.dealCardInto(slot));
    // 8. The plain sum: an ace counts 1 here, since 11 and 11 would be 22.
    t.player.total = t.player.values[0] + t.player.values[1] + t.player.values[2];
    // 9. The dealer plays at once.
    m_game.dealerPlay();
}

} // namespace quellard
