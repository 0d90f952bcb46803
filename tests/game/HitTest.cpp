#include "support/GameOnTable.h"

#include <gtest/gtest.h>

namespace quellard {
namespace {

using namespace quellard::testing;

const ActionLabels kPlayersTurn{false, true, true, false, false, false, false};
const ActionLabels kBetweenGames{true, false, false, false, true, true, true};

TEST(Hit, CountsTheAceDownAndABustEndsTheGame)
{
    struct Case {
        int first, second;
        std::initializer_list<int> hits;
        double total;
    };
    const Case cases[] = {
        {card(kAce), card(6), {card(10)}, 17}, // soft 17 turns hard
        {card(5), card(6), {card(2)}, 13},     // Double closes after a hit
        {card(10), card(6), {card(kKing)}, 26},
    };
    for (const Case &c : cases) {
        GameOnTable g(tableWith(490, 10));
        g.deal(card(10), c.first, c.second);
        g.hit(c.hits);
        SCOPED_TRACE(::testing::Message() << "hand " << c.first << " " << c.second);
        EXPECT_EQ(g.table().player.total, c.total);
        EXPECT_EQ(g.table().labels, c.total > 21 ? kBetweenGames : kPlayersTurn);
        EXPECT_FALSE(g.table().dealer.cardSlots[1].visible) << "the dealer's hand is not played";
    }
}

TEST(Hit, SevenCardsTakeNoMoreAndTheNextDealClearsThem)
{
    GameOnTable g(tableWith(490, 10));
    g.deal(card(10), card(kAce), card(kAce, 1));
    // The sixth hit finds no free slot and deals nothing.
    g.hit({card(kAce, 2), card(kAce, 3), card(2), card(2), card(2)});
    g.game.lblHitClick();
    EXPECT_EQ(g.table().player.total, 20);
    EXPECT_TRUE(g.table().labels.lblHit);
    g.random.deal({card(7)});
    g.game.lblStandClick(); // the dealer takes the seven: 17
    ASSERT_EQ(g.table().dealer.total, 17);

    g.game.lblBet10Click(); // the next deal on the same table
    g.deal(card(10), card(9), card(8));
    for (std::size_t i = 1; i < 7; ++i) {
        EXPECT_EQ(g.table().player.cardSlots[i].visible, i == 1);
        EXPECT_FALSE(g.table().dealer.cardSlots[i].visible);
    }
    EXPECT_EQ(g.table().player.values, (HandValues{9, 8}));
    EXPECT_EQ(g.table().dealer.values, (HandValues{10}));
}

} // namespace
} // namespace quellard
