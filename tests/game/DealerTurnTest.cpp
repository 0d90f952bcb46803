#include "game/DealerPause.h"
#include "support/GameOnTable.h"

#include <gtest/gtest.h>

namespace quellard {
namespace {

using namespace quellard::testing;

TEST(DealerTurn, TurnsTheHoleCardFirstAndAnEighthCardReplacesTheSeventh)
{
    GameOnTable g(tableWith(490, 10));
    g.deal(card(kAce), card(10), card(8)); // the hole card lies face down under the insurance question
    g.random.deal({card(kAce, 1), card(kAce, 2), card(kAce, 3), card(kAce), card(kAce, 1), card(10), card(2)});
    g.game.lblStandClick();
    EXPECT_EQ(g.table().dealer.cardSlots[1], (CardSlot{true, SlotFace::CardFace, card(kAce, 1)}));
    EXPECT_EQ(g.table().dealer.cardSlots[6], (CardSlot{true, SlotFace::CardFace, card(2)}));
    EXPECT_EQ(g.table().dealer.values, (HandValues{1, 1, 1, 1, 1, 1, 2}));
    EXPECT_EQ(g.table().dealer.total, 18);
    EXPECT_EQ(g.host.pauses.size(), 7u);
}

TEST(DealerTurn, SettlesAtOnceOnSeventeenOrMore)
{
    Table start = tableWith(490, 10);
    start.labels = ActionLabels{false, true, true, false, false, false, false};
    start.player.total = 18;
    start.dealer.total = 17;
    GameOnTable g(start);
    g.game.lblStandClick();
    EXPECT_TRUE(g.host.pauses.empty());
    EXPECT_FALSE(g.table().dealer.cardSlots[1].visible);
    EXPECT_EQ(g.table().gameResult, GameResult::Win);
}

TEST(DealerTurn, AnAbandonedTurnNeitherDrawsNorSettles)
{
    GameOnTable g(tableWith(490, 10));
    g.deal(card(10), card(10), card(8));
    g.random.deal({card(4), card(5)});
    g.host.duringPause = [&g] { g.game.abandonDealerTurn(); };
    g.game.lblStandClick();
    EXPECT_EQ(g.host.cancelledPauses, 1);
    EXPECT_FALSE(g.table().dealer.cardSlots[1].visible);
    EXPECT_FALSE(g.table().gameResult.has_value());
    EXPECT_FALSE(g.game.dealerTurnRunning());
}

TEST(DealerPause, LastsFromTheNearestWholeSecondToOneSecondLater)
{
    struct Case {
        double now;
        long long ms;
    };
    const Case cases[] = {
        {100.0, 1000},   {100.49, 510}, {100.51, 1490}, {100.5, 500}, // a half rounds to the even second: 100
        {101.5, 1500},                                                // ...and here to 102
        {86399.7, 1300}, // just before midnight the pause still ends after its length
    };
    for (const Case &c : cases)
        EXPECT_EQ(dealerPauseLength(c.now, 1), std::chrono::milliseconds(c.ms)) << "at " << c.now;
}

} // namespace
} // namespace quellard
