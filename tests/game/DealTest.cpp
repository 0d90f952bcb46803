#include "support/GameOnTable.h"

#include <gtest/gtest.h>

namespace quellard::testing {

TEST(Deal, NeedsABetAndOffersAFreshStartWhenBroke)
{
    GameOnTable noBet(tableWith(500, 0)), broke(tableWith(0, 0));
    noBet.game.lblNewClick();
    broke.game.lblNewClick();
    EXPECT_EQ(noBet.host.refusals, std::vector{Refusal::NoBet});
    EXPECT_EQ(broke.host.startAgainQuestions, 1);
    EXPECT_TRUE(broke.host.refusals.empty());
    for (const GameOnTable *g : {&noBet, &broke})
        EXPECT_EQ(g->table().player.cardSlots, Table::fresh().player.cardSlots) << "no card is dealt";
}

// A blackjack is paid 3 to 2 at once, in either order; Double opens on exactly 11.
TEST(Deal, PaysABlackjackAtOnceAndOpensDoubleOnExactlyEleven)
{
    struct Case {
        int first, second;
        double total, cash;
        ActionLabels labels;
    };
    for (const Case &c :
         {Case{card(kAce), card(kKing), 21, 515, kBetweenGames}, Case{card(10), card(kAce), 21, 515, kBetweenGames},
          Case{card(kAce), card(9), 20, 490, kPlayersTurn}, Case{card(kAce), card(kAce), 12, 490, kPlayersTurn},
          Case{card(5), card(6), 11, 490, kPlayersTurnOnEleven},
          Case{card(5), card(5), 10, 490, kPlayersTurn}, // the same card twice is a legal hand
          Case{card(6), card(6), 12, 490, kPlayersTurn}}) {
        GameOnTable g; // 10 bet, 490 left
        g.deal(card(9), c.first, c.second);
        SCOPED_TRACE(::testing::Message() << "cards " << c.first << " and " << c.second);
        EXPECT_EQ(g.table().player.total, c.total);
        EXPECT_EQ(g.table().dealer.total, 9) << "the dealer shows the up card alone";
        EXPECT_EQ(g.table().cash, c.cash);
        EXPECT_EQ(g.table().labels, c.labels);
        EXPECT_FALSE(g.table().dealer.cardSlots[1].visible) << "no hole card without an ace up";
    }
}

TEST(Deal, AnAceUpIsAskedAboutBeforeABlackjackIsPaid)
{
    GameOnTable g;
    g.host.insuranceAnswers = {InsuranceAnswer::Yes};
    g.deal(card(kAce), card(kAce, 1), card(kQueen));
    EXPECT_EQ(g.table().dealer.total, 1) << "an ace up counts 1 until the dealer's turn";
    EXPECT_EQ(g.table().dealer.cardSlots[1], (CardSlot{true, SlotFace::CardBack, 0})) << "the hole card, face down";
    EXPECT_EQ(g.table().cash, 510) << "the premium of 5 was paid before the blackjack's 25";
}

} // namespace quellard::testing
