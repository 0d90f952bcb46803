#include "support/GameOnTable.h"

#include <gtest/gtest.h>

namespace quellard::testing {

// A hit adds a card: 21 is still the player's turn, 22 a loss that ends the game at once.
TEST(Hit, TwentyOneGoesOnAndOverTwentyOneLoses)
{
    struct Case {
        int first, second, hit;
        double total;
    };
    for (const Case &c : {Case{card(10), card(6), card(5), 21}, Case{card(10), card(6), card(6), 22},
                          Case{card(kAce), card(kAce), card(9), 21}, // one ace counts 11
                          Case{card(kAce), card(6), card(10), 17},   // soft 17 turns hard
                          Case{card(5), card(6), card(2), 13}}) {    // Double closes after a hit
        GameOnTable g;
        g.deal(card(10, 1), c.first, c.second);
        g.hit({c.hit});
        const bool bust = c.total > 21;
        SCOPED_TRACE(::testing::Message() << "hit " << c.hit << " to " << c.total);
        EXPECT_EQ(g.table().player.total, c.total);
        EXPECT_EQ(g.table().player.cardSlots[2], (CardSlot{true, SlotFace::CardFace, c.hit}));
        EXPECT_EQ(g.table().labels, bust ? kBetweenGames : kPlayersTurn);
        EXPECT_EQ(g.table().cash + g.table().bet, bust ? 490 : 500);
        EXPECT_EQ(g.host.sounds.empty() ? "no sound" : g.host.sounds.front(), "whoosh.wav") << "the hit card's sound";
        EXPECT_FALSE(g.table().dealer.cardSlots[1].visible) << "the dealer's hand is not played";
    }
}

TEST(Hit, SevenCardsTakeNoMoreAndTheNextDealClearsThem)
{
    GameOnTable g;
    g.deal(card(10), card(kAce), card(kAce, 1));
    g.hit({card(kAce, 2), card(kAce, 3), card(2), card(2), card(2)});
    g.host.sounds.clear();
    g.game.lblHitClick(); // no slot is free: no card, no sound, the same total
    EXPECT_EQ(g.table().player.total, 20);
    EXPECT_EQ(g.table().labels, kPlayersTurn);
    EXPECT_TRUE(g.host.sounds.empty());
    g.stand({card(7)});
    g.game.lblBet10Click();
    g.deal(card(10), card(9), card(8));
    for (std::size_t i = 1; i < 7; ++i)
        EXPECT_TRUE(g.table().player.cardSlots[i].visible == (i == 1) && !g.table().dealer.cardSlots[i].visible) << i;
    EXPECT_EQ(g.table().player.values, (HandValues{9, 8})) << "the last game's cards no longer count";
    EXPECT_EQ(g.table().dealer.values, (HandValues{10}));
}

} // namespace quellard::testing
