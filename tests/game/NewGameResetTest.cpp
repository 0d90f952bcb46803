#include "support/GameOnTable.h"

#include <gtest/gtest.h>

namespace quellard::testing {

// From every moment the fresh start gives the opening table: 500 in cash, nothing bet, three
// face-down cards, only the chips and New open. In the dealer's pause it also ends the turn there.
TEST(NewGameReset, GivesTheOpeningTableFromEveryMoment)
{
    GameOnTable betting(tableWith(1200, 0)), eleven(tableWith(460, 40)), bust, dealing;
    eleven.deal(card(kAce), card(5), card(6)); // Double open, the hole card face down
    bust.deal(card(9), card(10), card(6));
    bust.hit({card(kKing)});
    dealing.deal(card(9), card(10), card(6));
    dealing.host.duringPause = [&dealing] { dealing.game.newGameClick(); };
    dealing.stand({card(5)});
    betting.game.newGameClick(); // and again, below
    for (GameOnTable *g : {&betting, &betting, &eleven, &bust}) {
        g->game.newGameClick();
        const Table &t = g->table();
        EXPECT_TRUE(t.labels == kBetweenGames && t.cash == 500 && t.bet == 0 && t.player.total + t.dealer.total == 0);
        EXPECT_TRUE(t.player.cardSlots == Table::fresh().player.cardSlots &&
                    t.dealer.cardSlots == Table::fresh().dealer.cardSlots);
    }
    EXPECT_EQ(dealing.table().dealer.cardSlots, Table::fresh().dealer.cardSlots) << "the dealer drew after the start";
    EXPECT_EQ(dealing.table().labels, kBetweenGames);
}

} // namespace quellard::testing
