#include "game/CardRules.h"
#include "game/RandomSource.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quellard {
namespace {

TEST(CardRules, ValuesAndTotals)
{
    for (const int ace : {1, 14, 27, 40})
        EXPECT_EQ(cardValue(ace), 1) << "card " << ace;
    for (const int court : {10, 11, 12, 13, 26, 52})
        EXPECT_EQ(cardValue(court), 10) << "card " << court;
    EXPECT_EQ(cardValue(41), 2);

    struct Case {
        HandValues values;
        int total;
    };
    const Case cases[] = {
        {{1, 1}, 12},                          // only one ace counts 11
        {{1, 6}, 17},                          // soft 17
        {{1, 5, 10}, 16},                      // 26 would bust, so the ace counts 1
        {{1, 1, 1, 8}, 21}, {{10, 6, 10}, 26}, // a bust stays a bust
    };
    for (const Case &c : cases)
        EXPECT_EQ(handTotal(c.values), c.total);
}

TEST(CardRules, DrawsEveryCardEquallyOftenAndNeverA53rd)
{
    EXPECT_EQ(drawCardNumber(0.0f), 1);
    EXPECT_EQ(drawCardNumber(std::nextafter(1.0f, 0.0f)), 52);

    ClockSeededRandom random(20261205);
    constexpr int draws = 52 * 4000;
    int counts[53] = {};
    for (int i = 0; i < draws; ++i) {
        const int card = drawCardNumber(random.next());
        ASSERT_TRUE(card >= 1 && card <= 52) << card;
        ++counts[card];
    }
    const double expected = draws / 52.0;
    double chiSquare = 0;
    for (int card = 1; card <= 52; ++card)
        chiSquare += (counts[card] - expected) * (counts[card] - expected) / expected;
    // 51 degrees of freedom: 90.6 is the 0.1 % critical value; favouring one card by 5 % exceeds it.
    EXPECT_LT(chiSquare, 90.6);
}

} // namespace
} // namespace quellard
