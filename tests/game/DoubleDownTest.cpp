#include "support/GameOnTable.h"

#include <gtest/gtest.h>

namespace quellard::testing {

// Doubling needs the bet once more in cash (exactly the bet will do) and takes one card, counted
// as it is (an ace is 1, since 11 and 11 make 22), without a sound or a pause; the dealer follows.
TEST(DoubleDown, TakesTheBetOnceMoreAndOneCard)
{
    for (const auto &[cash, third, total] :
         {std::tuple{50.0, card(kKing), 21}, {45.0, card(kKing), 11}, {50.0, card(kAce), 12}}) {
        GameOnTable g(tableWith(cash, 50));
        g.deal(card(10), card(6), card(5));
        g.random.deal({third, card(8)});
        g.game.lblDoubleClick();
        const bool doubled = cash == 50;
        EXPECT_EQ(g.host.refusals, doubled ? std::vector<Refusal>{} : std::vector{Refusal::NotEnoughMoney}) << cash;
        EXPECT_EQ(g.table().player.total, total);
        EXPECT_EQ(g.table().cash, !doubled ? 45 : total == 21 ? 200 : 0) << "against the dealer's 18";
        EXPECT_EQ(g.table().labels, doubled ? kBetweenGames : kPlayersTurn) << "a refused double is gone";
        EXPECT_EQ(g.host.pauses.size(), doubled ? 1u : 0u) << "only the dealer's card waits";
        EXPECT_EQ(g.host.sounds.size(), doubled ? 2u : 0u) << "the dealer's card and the outcome";
    }
}

} // namespace quellard::testing
