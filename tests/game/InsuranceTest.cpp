#include "support/GameOnTable.h"

#include <gtest/gtest.h>

namespace quellard::testing {

// Insurance costs half the bet, bought only when the cash covers it; whatever the answer, and
// whatever an earlier game left, Hit and Stand open again.
TEST(Insurance, CostsHalfTheBetWhenTheCashCoversIt)
{
    const std::tuple<double, InsuranceAnswer, double, bool> cases[] = {{5, InsuranceAnswer::Yes, 0, true},
                                                                       {4.5, InsuranceAnswer::Yes, 4.5, false},
                                                                       {490, InsuranceAnswer::No, 490, false},
                                                                       {490, InsuranceAnswer::Closed, 490, false}};
    for (const auto &[cash, answer, cashAfter, insured] : cases) {
        Table start = tableWith(cash, 10);
        start.insYes = !insured;
        GameOnTable g(start);
        g.host.insuranceAnswers = {answer};
        g.deal(card(kAce), card(10), card(8));
        EXPECT_EQ(g.table().cash, cashAfter) << "cash " << cash;
        EXPECT_EQ(g.table().insYes, insured) << "cash " << cash;
        EXPECT_EQ(g.host.refusals.size(), cash == 4.5 ? 1u : 0u) << "cash " << cash;
        EXPECT_EQ(g.table().labels, kPlayersTurn);
    }
}

// It pays 1.5 times the bet as it stands at settlement, only on a dealer's blackjack under the ace.
TEST(Insurance, PaysOneAndAHalfTimesTheFinalBetOnADealerBlackjack)
{
    const std::tuple<int, bool, double> cases[] = {{card(kKing), false, 500}, // 490 - 5 + 15; the 16 loses
                                                   {card(9), false, 485},     // 20 beats 16; the premium is gone
                                                   {card(kKing), true, 525}}; // 490 - 5 - 10 + 30 + 20 for a push
    for (const auto &[hole, doubled, cash] : cases) {
        GameOnTable g;
        g.host.insuranceAnswers = {InsuranceAnswer::Yes};
        g.deal(card(kAce), card(6), doubled ? card(5) : card(kQueen, 1));
        if (doubled) {
            g.random.deal({card(10), hole});
            g.game.lblDoubleClick();
        } else {
            g.stand({hole});
        }
        EXPECT_EQ(g.table().cash, cash) << "hole card " << hole << (doubled ? ", doubled" : "");
    }
}

} // namespace quellard::testing
