#include "support/GameOnTable.h"

#include <gtest/gtest.h>

namespace quellard {
namespace {

using namespace quellard::testing;

TEST(Deal, PaysABlackjackAtOnceAndOffersDoubleOnlyOnATwoCardEleven)
{
    struct Case {
        int up, first, second;
        bool blackjack, doubleOpen;
    };
    const Case cases[] = {
        {card(10), card(5), card(6), false, true},
        {card(9), card(kAce), card(kKing), true, false},
        {card(9), card(kQueen), card(kAce), true, false},
        {card(5), card(5), card(5), false, false}, // the same card twice is a legal hand
    };
    for (const Case &c : cases) {
        GameOnTable g(tableWith(490, 10));
        g.deal(c.up, c.first, c.second);
        SCOPED_TRACE(::testing::Message() << "cards " << c.up << " " << c.first << " " << c.second);
        EXPECT_EQ(g.table().labels.lblDouble, c.doubleOpen);
        EXPECT_EQ(g.table().labels.lblNew, c.blackjack);
        EXPECT_EQ(g.table().cash, c.blackjack ? 515 : 490);
    }
}

} // namespace
} // namespace quellard
