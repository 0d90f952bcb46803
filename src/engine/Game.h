#pragma once

#include "engine/Host.h"
#include "engine/RandomSource.h"
#include "engine/Table.h"
#include "engine/WagerDesk.h"

#include <chrono>
#include <string_view>

namespace quellard {

// The game on the table: the deal, the player's hits, the dealer's turn and the settlement.
// Each public operation is what one click does; a click on a disabled label does nothing.
class Game {
public:
    Game(Host &host, RandomSource &random);

    void attachWagerDesk(WagerDesk &desk) { m_wagers = &desk; }

    Table &table() { return m_table; }
    const Table &table() const { return m_table; }
    Host &host() { return m_host; }

    void lblNewClick();   // deal
    void lblHitClick();   // one more card for the player
    void lblStandClick(); // the dealer plays

    // The dealer turns the hole card and draws to 17, then the game is settled. Also the last step
    // of a double down.
    void dealerPlay();
    // Ends a dealer's turn that is waiting in a pause, without settling: the table was reset under
    // it or the program is closing.
    void abandonDealerTurn();
    bool dealerTurnRunning() const { return m_dealerTurnRunning; }

    // How long the dealer waits before a card when the pause starts at the given time of day: until
    // the start, rounded to the nearest whole second (halves to even), plus the card delay.
    static std::chrono::milliseconds dealerPauseLength(double secondsSinceMidnight, int cardDelay);

    // A card drawn from the random source and shown face up in a slot; returns its card number.
    int dealCardInto(CardSlot &slot);
    // Plays one of the game's sounds if the sound switch lets it.
    void playSound(std::string_view fileName);

    // Settlement.
    void decideOutcome();
    void payInsurance();
    void outcomePush();
    void outcomeLose();
    void outcomeWin();
    void outcomeBlackjack();

private:
    bool pauseBeforeDealerCard();

    Host &m_host;
    RandomSource &m_random;
    WagerDesk *m_wagers = nullptr;
    Table m_table = Table::fresh();
    bool m_dealerTurnRunning = false;
    bool m_dealerTurnAbandoned = false;
};

} // namespace quellard
