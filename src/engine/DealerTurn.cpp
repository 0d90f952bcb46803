#include "engine/Game.h"
#include "settings/SoundFiles.h"

#include <cmath>

namespace quellard {

// "Stand": the player's turn is over.
void Game::lblStandClick()
{
    if (!m_table.labels.lblStand)
        return;
    dealerPlay();
}

void Game::dealerPlay()
{
    Table &t = m_table;
    Hand &dealer = t.dealer;
    m_dealerTurnRunning = true;
    m_dealerTurnAbandoned = false;

    // 1. Nothing the player can do while the dealer plays.
    t.labels.lblDouble = false;
    t.labels.lblHit = false;
    t.labels.lblNew = false;
    t.labels.lblStand = false;

    // The slot of the last card. When all seven are in use it stays PicCom7, so further cards
    // replace the card there.
    int chosen = -1;
    for (;;) {
        // 2. The dealer stands on every 17 or more, soft 17 included.
        if (dealer.total >= 17) {
            m_dealerTurnRunning = false;
            decideOutcome();
            return;
        }
        // 3. The hole card is turned first; after it the cards go into the lowest free slot.
        for (int i = 6; i >= 2; --i) {
            if (!dealer.cardSlots[i].visible)
                chosen = i;
        }
        if (dealer.cardSlots[1].faceDown() || !dealer.cardSlots[1].visible)
            chosen = 1;
        // 4. A moment's suspense before each card.
        if (!pauseBeforeDealerCard()) {
            m_dealerTurnRunning = false;
            return;
        }
        // 5. The card's sound...
        playSound(sounds::kCard);
        // 6. ...its slot...
        CardSlot &slot = dealer.cardSlots[chosen];
        slot.visible = true;
        // 7. ...its face (for the hole card this replaces the card back)...
        const int card = dealCardInto(slot);
        // 8. ...its value...
        dealer.values[chosen] = cardValue(card);
        // 9. ...and the dealer's total, with one ace as 11 when it fits.
        dealer.total = handTotal(dealer.values);
        // 10. Look again.
    }
}

bool Game::pauseBeforeDealerCard()
{
    m_host.tableChanged();
    m_host.pause(dealerPauseLength(m_host.secondsSinceMidnight(), m_table.cardDelay));
    return !m_dealerTurnAbandoned;
}

void Game::abandonDealerTurn()
{
    if (!m_dealerTurnRunning)
        return;
    m_dealerTurnAbandoned = true;
    m_host.cancelPause();
}

std::chrono::milliseconds Game::dealerPauseLength(double secondsSinceMidnight, int cardDelay)
{
    // The pause started at the whole second nearest to now, halves rounding to the even second,
    // so it lasts between half a second and one and a half.
    const double whole = std::floor(secondsSinceMidnight);
    const double fraction = secondsSinceMidnight - whole;
    double start = fraction < 0.5 ? whole : whole + 1;
    if (fraction == 0.5 && std::fmod(whole, 2.0) == 0.0)
        start = whole;
    const double remaining = start + cardDelay - secondsSinceMidnight;
    return std::chrono::milliseconds(static_cast<long long>(std::llround(remaining * 1000.0)));
}

} // namespace quellard
