#include "support/GameOnTable.h"

#include <gtest/gtest.h>

namespace quellard {
namespace {

using namespace quellard::testing;

TEST(Settlement, DealerDrawsToSeventeenThenTheHandsAreSettled)
{
    struct Case {
        int upCard;
        std::initializer_list<int> draws;
        bool insured;
        double dealerTotal;
        GameResult result;
        double cashAfter; // the player's 18, bet 10 with 490 left (485 after buying insurance)
        std::string_view sound;
    };
    const Case cases[] = {
        {card(kAce), {card(6)}, false, 17, GameResult::Win, 510, "haha.wav"}, // soft 17 stands
        {card(kAce), {card(5), card(kKing), card(2)}, false, 18, GameResult::Push, 500, "snore.wav"},
        {card(10), {card(9)}, false, 19, GameResult::Loss, 490, "hung-01.wav"},
        {card(10), {card(6), card(10)}, false, 26, GameResult::Win, 510, "Explode.wav"},
        {card(kAce), {card(kKing)}, true, 21, GameResult::Loss, 500, "hung-01.wav"}, // insurance pays 1.5 x the bet
        {card(kAce), {card(6)}, true, 17, GameResult::Win, 505, "haha.wav"},
    };
    for (const Case &c : cases) {
        GameOnTable g(tableWith(490, 10));
        g.host.insuranceAnswer = c.insured ? InsuranceAnswer::Yes : InsuranceAnswer::No;
        g.deal(c.upCard, card(10), card(8));
        g.host.sounds.clear();
        g.random.deal(c.draws);
        g.game.lblStandClick();
        SCOPED_TRACE(::testing::Message() << "up " << c.upCard << " insured " << c.insured);
        EXPECT_TRUE(g.random.exhausted());
        EXPECT_EQ(g.table().dealer.total, c.dealerTotal);
        EXPECT_EQ(g.host.pauses.size(), c.draws.size());
        EXPECT_EQ(g.table().gameResult, c.result);
        EXPECT_EQ(g.table().cash, c.cashAfter);
        EXPECT_EQ(g.host.sounds.size(), c.draws.size() + 1)
            << "a sound for each card and the outcome, none for insurance";
        EXPECT_EQ(g.host.sounds.back(), c.sound);
    }
}

TEST(Settlement, InsuranceFromAnEarlierGamePaysOnlyUnderAnAce)
{
    for (const int hole : {card(kAce), card(kKing)}) {
        Table start = tableWith(490, 10);
        start.insYes = true; // left from a game in which the player insured
        GameOnTable g(start);
        g.deal(card(10), card(10), card(8));
        g.random.deal({hole});
        g.game.lblStandClick();
        EXPECT_EQ(g.table().cash, 490) << "hole card " << hole;
    }
}

} // namespace
} // namespace quellard
