#include "game/CardRules.h"
#include "game/RandomSource.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quellard {

TEST(CardRules, ValuesAndTotals)
{
    // Four runs of ace to king; jack, queen and king count 10.
    for (const auto &[card, value] : {std::pair{1, 1},
                                      {9, 9},
                                      {10, 10},
                                      {11, 10},
                                      {13, 10},
                                      {14, 1},
                                      {26, 10},
                                      {27, 1},
                                      {39, 10},
                                      {40, 1},
                                      {41, 2},
                                      {52, 10}})
        EXPECT_EQ(cardValue(card), value) << "card " << card;
    // One ace counts 11 while that keeps the hand at 21 or less.
    for (const auto &[values, total] : {std::pair<HandValues, int>{{1, 1}, 12},
                                        {{1, 10}, 21},
                                        {{1, 10, 1}, 12},
                                        {{1, 5, 10}, 16},
                                        {{1, 1, 1, 8}, 21},
                                        {{10, 6, 10}, 26}})
        EXPECT_EQ(handTotal(values), total) << values[0] << " " << values[1] << " " << values[2];
}

TEST(CardRules, DrawsEveryCardEquallyOftenAndNeverA53rd)
{
    EXPECT_EQ(drawCardNumber(std::nextafter(1.0f / 52, 0.0f)), 1);
    EXPECT_EQ(drawCardNumber(1.0f / 52), 2);
    EXPECT_EQ(drawCardNumber(std::nextafter(1.0f, 0.0f)), 52);
    ClockSeededRandom random(20261205);
    int counts[53] = {};
    for (int i = 0; i < 52 * 4000; ++i)
        ++counts[drawCardNumber(random.next())];
    double chiSquare = 0;
    for (int card = 1; card <= 52; ++card)
        chiSquare += (counts[card] - 4000.0) * (counts[card] - 4000.0) / 4000.0;
    EXPECT_LT(chiSquare, 90.6); // the 0.1 % critical value for 51 degrees; favouring one card by 5 % exceeds it
}

} // namespace quellard
