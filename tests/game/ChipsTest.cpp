#include "support/GameOnTable.h"

#include <gtest/gtest.h>

namespace quellard {
namespace {

using namespace quellard::testing;

TEST(Chips, MoveWhileTheCashCoversThemAndABrokePlayerIsAskedToStartAgain)
{
    struct Case {
        double cash, bet;
        int chip;
        bool yes;
        double cashAfter, betAfter;
        int refusals, questions;
    };
    const Case cases[] = {
        {500, 0, 50, false, 450, 50, 0, 0}, {50, 0, 50, false, 0, 50, 0, 0},
        {9.5, 0, 10, false, 9.5, 0, 1, 0},  {0, 20, 5, false, 0, 20, 1, 0}, // all staked: refused, not asked
        {0, 0, 10, false, 0, 0, 0, 1},      {0, 0, 50, true, 500, 0, 0, 1}, // the fresh start places no chip
    };
    for (const Case &c : cases) {
        GameOnTable g(tableWith(c.cash, c.bet));
        g.host.startAgain = c.yes;
        if (c.chip == 5)
            g.game.lblBet5Click();
        else if (c.chip == 10)
            g.game.lblBet10Click();
        else
            g.game.lblBet50Click();
        SCOPED_TRACE(::testing::Message() << "cash " << c.cash << " bet " << c.bet);
        EXPECT_EQ(g.table().cash, c.cashAfter);
        EXPECT_EQ(g.table().bet, c.betAfter);
        EXPECT_EQ(g.host.refusals, std::vector<Refusal>(std::size_t(c.refusals), Refusal::NotEnoughMoney));
        EXPECT_EQ(g.host.startAgainQuestions, c.questions);
    }
}

} // namespace
} // namespace quellard
