#include "game/DealerPause.h"
#include "support/GameOnTable.h"

#include <gtest/gtest.h>

namespace quellard::testing {

// The dealer draws below 17 and stands on every 17, soft or hard, after a pause before each card.
TEST(DealerTurn, DrawsBelowSeventeenAndStandsOnEverySeventeen)
{
    struct Case {
        int up;
        std::initializer_list<int> draws; // an aggregate keeps the list's cards alive; a tuple would not
        double total;
    };
    const Case cases[] = {{card(kAce), {card(6)}, 17}, // soft 17 stands
                          {card(10), {card(7)}, 17},   // hard 17 stands
                          {card(10), {card(6), card(kAce)}, 17},
                          {card(kAce), {card(5), card(kKing), card(kAce)}, 17}, // soft 16, then hard 16, draw
                          {card(10), {card(6), card(10)}, 26}};
    for (const auto &[up, draws, total] : cases) {
        GameOnTable g;
        g.deal(up, card(10, 1), card(8, 1));
        g.stand(draws);
        EXPECT_TRUE(g.random.exhausted()) << "up card " << up << ": the dealer stopped early";
        EXPECT_EQ(g.table().dealer.total, total) << "up card " << up;
        EXPECT_EQ(g.host.pauses.size(), draws.size()) << "up card " << up;
        EXPECT_EQ(g.table().labels, kBetweenGames);
    }
}

TEST(DealerTurn, TurnsTheHoleCardFirstAndAnEighthCardReplacesTheSeventh)
{
    GameOnTable g;
    g.deal(card(kAce), card(10), card(8)); // the hole card lies face down under the insurance question
    g.stand({card(kAce, 1), card(kAce, 2), card(kAce, 3), card(kAce), card(kAce, 1), card(10), card(2)});
    EXPECT_EQ(g.table().dealer.cardSlots[1], (CardSlot{true, SlotFace::CardFace, card(kAce, 1)}));
    EXPECT_EQ(g.table().dealer.cardSlots[6], (CardSlot{true, SlotFace::CardFace, card(2)}));
    EXPECT_EQ(g.table().dealer.values, (HandValues{1, 1, 1, 1, 1, 1, 2}));
}

TEST(DealerTurn, SettlesAtOnceOnSeventeenAndEndsUnsettledWhenAbandoned)
{
    Table seventeen = tableWith(490, 10);
    seventeen.labels = kPlayersTurn;
    seventeen.player.total = 18;
    seventeen.dealer.total = 17;
    GameOnTable atOnce(seventeen);
    atOnce.game.lblStandClick();
    EXPECT_TRUE(atOnce.host.pauses.empty() && !atOnce.table().dealer.cardSlots[1].visible) << "no card is turned";
    EXPECT_EQ(atOnce.table().cash, 510);

    GameOnTable abandoned;
    abandoned.deal(card(10), card(10), card(8));
    abandoned.host.duringPause = [&abandoned] { abandoned.game.abandonDealerTurn(); };
    abandoned.stand({card(4)});
    EXPECT_EQ(abandoned.host.cancelledPauses, 1);
    EXPECT_FALSE(abandoned.table().dealer.cardSlots[1].visible || abandoned.game.dealerTurnRunning());
    EXPECT_EQ(abandoned.table().bet, 10);
}

// From the whole second nearest to the start (a half to the even one) to a second later.
TEST(DealerPause, LastsFromTheNearestWholeSecondToOneSecondLater)
{
    const std::pair<double, long long> cases[] = {{100.0, 1000}, {100.49, 510}, {100.51, 1490},
                                                  {100.5, 500},  {101.5, 1500}, {86399.7, 1300}}; // past midnight too
    for (const auto &[now, ms] : cases)
        EXPECT_EQ(dealerPauseLength(now, 1), std::chrono::milliseconds(ms)) << "at " << now;
}

} // namespace quellard::testing
