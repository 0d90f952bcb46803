#include "engine/Messages.h"
#include "settings/SoundFiles.h"
#include "wagers/Wagers.h"

namespace quellard {

// The dealer shows an ace: the hole card lies face down while the player decides.
void Wagers::offerInsurance()
{
    // 1. No hitting or standing until the question is answered.
    m_table.labels.lblHit = false;
    m_table.labels.lblStand = false;
    // 2. The dealer's second card, face down.
    CardSlot &hole = m_table.dealer.cardSlots[1];
    hole.visible = true;
    hole.face = SlotFace::CardBack;
    // 3. Ask. The question is always heard, even with the sound switched off.
    m_host.tableChanged();
    m_game.playSound(sounds::kInsurance);
    m_host.askInsurance(*this);
}

// Insurance costs half the bet and is bought only when the cash covers it.
void Wagers::cmdYesClick()
{
    const double bet = m_table.bet;
    const double cash = m_table.cash;
    if (bet / 2 <= cash) {
        m_table.cash = cash - bet / 2;
        m_table.insYes = 1;
    } else {
        m_host.showMessage(messages::kNotEnoughMoney, MessageIcon::Information);
        m_table.insYes = 0;
    }
    m_table.labels.lblHit = true;
    m_table.labels.lblStand = true;
}

void Wagers::cmdNoClick()
{
    m_table.insYes = 0;
    m_table.labels.lblHit = true;
    m_table.labels.lblStand = true;
}

// Closing the question without an answer declines it: nothing was paid, so nothing is insured,
// and the player's turn goes on.
void Wagers::closedWithoutAnswer() { cmdNoClick(); }

} // namespace quellard
