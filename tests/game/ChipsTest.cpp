#include "support/GameOnTable.h"

#include <gtest/gtest.h>

namespace quellard::testing {

// A chip moves from the cash to the bet while the cash covers it, to the last penny; with nothing
// left at all the player is asked to start again instead, and the chip is not placed.
TEST(Chips, MoveWhileTheCashCoversThem)
{
    const std::tuple<int, double, double, double, double> cases[] = {
        // chip, cash, bet, cash and bet after
        {5, 5, 0, 0, 5},    {5, 4.5, 0, 4.5, 0},      {10, 10, 0, 0, 10}, {10, 9.5, 0, 9.5, 0},
        {50, 50, 0, 0, 50}, {50, 49.5, 10, 49.5, 10}, {5, 0, 20, 0, 20},  {50, 0, 0, 500, 0}};
    for (const auto &[chip, cash, bet, cashAfter, betAfter] : cases) {
        GameOnTable g(tableWith(cash, bet));
        g.host.startAgain = true;
        chip == 5 ? g.game.lblBet5Click() : chip == 10 ? g.game.lblBet10Click() : g.game.lblBet50Click();
        EXPECT_EQ(std::pair(g.table().cash, g.table().bet), std::pair(cashAfter, betAfter)) << chip << " from " << cash;
        EXPECT_EQ(g.host.refusals.size(), cash == cashAfter && cash + bet > 0 ? 1u : 0u) << chip << " from " << cash;
        EXPECT_EQ(g.host.startAgainQuestions, cash + bet == 0 ? 1 : 0);
    }
}

} // namespace quellard::testing
