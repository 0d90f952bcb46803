#include "support/GameOnTable.h"

#include <gtest/gtest.h>

namespace quellard {
namespace {

using namespace quellard::testing;

const ActionLabels kPlayersTurn{false, true, true, false, false, false, false};

TEST(DoubleDown, NeedsTheBetInCashAndTakesOneCardBeforeTheDealer)
{
    struct Case {
        double bet, cash;
        int third;
        double playerTotal, cashAfter; // against the dealer's 18
    };
    const Case cases[] = {
        {50, 40, 0, 11, 40},            // refused: the turn goes on
        {50, 50, card(kKing), 21, 200}, // exactly the bet in cash is enough
        {10, 490, card(kAce), 12, 480}, // an ace counts 1 on a double
    };
    for (const Case &c : cases) {
        GameOnTable g(tableWith(c.cash, c.bet));
        g.deal(card(10), card(6), card(5));
        if (c.third)
            g.random.deal({c.third, card(8)});
        g.game.lblDoubleClick();
        SCOPED_TRACE(::testing::Message() << "bet " << c.bet << " cash " << c.cash);
        const Table &t = g.table();
        EXPECT_EQ(t.player.cardSlots[2], (c.third ? CardSlot{true, SlotFace::CardFace, c.third} : CardSlot{}));
        EXPECT_EQ(t.player.total, c.playerTotal);
        EXPECT_EQ(t.cash, c.cashAfter);
        EXPECT_EQ(g.host.pauses.size(), c.third ? 1u : 0u) << "only the dealer's card waits";
        EXPECT_EQ(g.host.refusals, c.third ? std::vector<Refusal>{} : std::vector<Refusal>{Refusal::NotEnoughMoney});
        EXPECT_EQ(t.labels == kPlayersTurn, c.third == 0) << "a refused double keeps Hit and Stand";
    }
}

} // namespace
} // namespace quellard
