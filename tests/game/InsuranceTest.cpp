#include "support/GameOnTable.h"

#include <gtest/gtest.h>

namespace quellard {
namespace {

using namespace quellard::testing;

TEST(Insurance, CostsHalfTheBetAndPaysOneAndAHalfTimesTheFinalBet)
{
    struct Case {
        double bet, cash;
        int first, second;
        std::initializer_list<int> doubling; // the player's card and the dealer's hole card
        double cashAfter;
    };
    const Case cases[] = {
        {5, 495, card(10), card(8), {}, 492.5},
        {100, 50, card(10), card(8), {}, 0},                       // exactly the cash is enough
        {10, 490, card(kAce), card(kKing), {}, 510},               // asked before the blackjack is paid: -5, then +25
        {20, 480, card(6), card(5), {card(9), card(kQueen)}, 510}, // -10, -20 to double, +60; 20 loses to 21
    };
    for (const Case &c : cases) {
        GameOnTable g(tableWith(c.cash, c.bet));
        g.host.insuranceAnswer = InsuranceAnswer::Yes;
        g.deal(card(kAce), c.first, c.second);
        g.random.deal(c.doubling);
        if (c.doubling.size() > 0)
            g.game.lblDoubleClick();
        EXPECT_EQ(g.table().cash, c.cashAfter) << "bet " << c.bet;
        EXPECT_TRUE(g.table().insYes);
        EXPECT_TRUE(g.host.refusals.empty());
    }
}

} // namespace
} // namespace quellard
