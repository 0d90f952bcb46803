#include "support/GameOnTable.h"

#include <gtest/gtest.h>

namespace quellard {
namespace {

using namespace quellard::testing;

TEST(NewGameReset, GivesTheOpeningTableMidGameAndAgain)
{
    GameOnTable g(tableWith(1200, 40));   // winnings are not kept
    g.deal(card(kAce), card(2), card(3)); // the hole card lies face down
    g.hit({card(4)});
    const Table fresh = Table::fresh();
    for (int round = 0; round < 2; ++round) {
        g.game.newGameClick();
        EXPECT_EQ(g.table().player.cardSlots, fresh.player.cardSlots);
        EXPECT_EQ(g.table().dealer.cardSlots, fresh.dealer.cardSlots);
        EXPECT_EQ(g.table().cash, 500);
        EXPECT_EQ(g.table().bet, 0);
        EXPECT_EQ(g.table().player.total + g.table().dealer.total, 0);
        EXPECT_EQ(g.table().labels, ActionLabels{});
    }
}

} // namespace
} // namespace quellard
