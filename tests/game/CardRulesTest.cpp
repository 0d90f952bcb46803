// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/CardRules.h"
#include "game/DealerPause.h"
#include "game/Money.h"
#include "game/RandomSource.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

namespace quellard {

// Four runs of ace to king, jack, queen and king counting 10; one ace counts 11 while that keeps
// the hand at 21 or less.
TEST(CardRules, ValuesAndTotals)
{
    const std::pair<int, int> values[] = {{1, 1},   {9, 9},  {10, 10}, {11, 10}, {13, 10}, {14, 1},
                                          {26, 10}, {27, 1}, {39, 10}, {40, 1},  {41, 2},  {52, 10}};
    const std::pair<HandValues, int> totals[] = {{{1, 1}, 12},     {{1, 10}, 21},      {{1, 10, 1}, 12},
                                                 {{1, 5, 10}, 16}, {{1, 1, 1, 8}, 21}, {{10, 6, 10}, 26}};
    for (const auto &[card, value] : values)
        EXPECT_EQ(cardValue(card), value) << "card " << card;
    for (const auto &[hand, total] : totals)
        EXPECT_EQ(handTotal(hand), total) << hand[0] << " " << hand[1] << " " << hand[2] << " " << hand[3];
}

TEST(CardRules, DrawsEveryCardEquallyOftenAndNeverA53rd)
{
    EXPECT_EQ(drawCardNumber(std::nextafter(1.0f / 52, 0.0f)), 1);
    EXPECT_EQ(drawCardNumber(1.0f / 52), 2);
    EXPECT_EQ(drawCardNumber(std::nextafter(1.0f, 0.0f)), 52);
    EXPECT_EQ(drawCardNumber(std::nextafter(41.0f / 52, 0.0f)), 41) << "worked out in single precision";
    ClockSeededRandom random(20261205);
    std::array<double, 53> counts{};
    for (int i = 0; i < 52 * 4000; ++i)
        ++counts[std::size_t(drawCardNumber(random.next()))];
    const double chiSquare = std::transform_reduce(counts.begin() + 1, counts.end(), 0.0, std::plus<>(),
                                                   [](double n) { return (n - 4000) * (n - 4000) / 4000; });
    EXPECT_LT(chiSquare, 90.6); // the 0.1 % critical value for 51 degrees; favouring one card by 5 % exceeds it
}

// From the whole second nearest to the start (a half to the even one) to a second later.
TEST(DealerPause, LastsFromTheNearestWholeSecondToOneSecondLater)
{
    const std::pair<double, long long> cases[] = {{100.0, 1000}, {100.49, 510}, {100.51, 1490},
                                                  {100.5, 500},  {101.5, 1500}, {86399.7, 1300}}; // past midnight too
    for (const auto &[now, ms] : cases)
        EXPECT_EQ(dealerPauseLength(now, 1), std::chrono::milliseconds(ms)) << "at " << now;
}

// Money is exact to the penny and reads as the shortest plain decimal: no exponent, no trailing
// zero, no locale. Fractions of a penny, which no stake of the game gives, go to the house.
TEST(Money, IsExactAndReadsAsThePlainestDecimal)
{
    const std::pair<Money, const char *> cases[] = {{Money(), "0"},
                                                    {Money::pence(5), "0.05"},
                                                    {Money::pence(50), "0.5"},
                                                    {Money::pence(-250), "-2.5"},
                                                    {Money::pounds(5).times(5, 2), "12.5"},
                                                    {Money::pounds(25).times(6, 5), "30"},
                                                    {Money::pounds(490) + Money::pence(1) - Money::pence(2), "489.99"},
                                                    {Money::pounds(1000000), "1000000"},
                                                    {Money::pence(1).times(1, 2), "0"}};
    for (const auto &[money, text] : cases)
        EXPECT_EQ(money.text(), text);
}

} // namespace quellard
