#include "engine/Amount.h"
#include "engine/CardRules.h"
#include "engine/RandomSource.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quellard {
namespace {

TEST(CardValue, FollowsTheRankInEverySuit)
{
    struct Case {
        int card;
        int value;
    };
    const Case cases[] = {
        {1, 1}, {14, 1}, {27, 1}, {40, 1},    // aces
        {2, 2}, {41, 2}, {9, 9}, {10, 10},    // pip cards
        {11, 10}, {12, 10}, {13, 10}, {52, 10}, // court cards
        {26, 10}, {39, 10}, {28, 2}, {50, 10},
    };
    for (const Case &c : cases)
        EXPECT_EQ(cardValue(c.card), c.value) << "card " << c.card;
}

TEST(CardValue, RankAndSuitCoverThePackOnce)
{
    int seen[4][14] = {};
    for (int card = 1; card <= 52; ++card)
        ++seen[cardSuit(card)][cardRank(card)];
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank)
            EXPECT_EQ(seen[suit][rank], 1) << "suit " << suit << " rank " << rank;
}

TEST(HandTotal, CountsOneAceAsElevenWhenItFits)
{
    struct Case {
        HandValues values;
        int total;
    };
    const Case cases[] = {
        {{1, 1}, 12},             // two aces: only one counts 11
        {{1, 6}, 17},             // soft 17
        {{1, 5, 10}, 16},         // 26 would bust, so the ace counts 1
        {{1, 1, 1, 8}, 21},       // three aces and an eight
        {{10, 6, 10}, 26},        // a bust stays a bust
        {{1, 10}, 21},
        {{1, 1, 1, 1, 2, 2, 2}, 20}, // seven cards
        {{}, 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(handTotal(c.values), c.total);
}

TEST(DrawCardNumber, MapsEachFiftySecondOfTheRangeToOneCard)
{
    EXPECT_EQ(drawCardNumber(0.0f), 1);
    for (int card = 1; card <= 52; ++card) {
        const float lowest = std::nextafter(float(card - 1) / 52.0f, 1.0f);
        EXPECT_EQ(drawCardNumber(std::max(lowest, float(card - 1) / 52.0f)), card);
        const float highest = std::nextafter(float(card) / 52.0f, 0.0f);
        EXPECT_EQ(drawCardNumber(highest), card) << "top of card " << card;
    }
    // The largest float below 1 is still the last card, never a 53rd.
    EXPECT_EQ(drawCardNumber(std::nextafter(1.0f, 0.0f)), 52);
}

TEST(ClockSeededRandom, DealsEveryCardEquallyOften)
{
    ClockSeededRandom random(20261205);
    constexpr int draws = 52 * 4000;
    int counts[53] = {};
    for (int i = 0; i < draws; ++i) {
        const float r = random.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        ++counts[drawCardNumber(r)];
    }
    const double expected = draws / 52.0;
    double chiSquare = 0;
    for (int card = 1; card <= 52; ++card)
        chiSquare += (counts[card] - expected) * (counts[card] - expected) / expected;
    // 51 degrees of freedom: 90.6 is the 0.1 % critical value. A draw that favoured one card by
    // even 5 % would exceed it.
    EXPECT_LT(chiSquare, 90.6);
}

TEST(Amount, WritesTheShortestTextAndReadsItBack)
{
    struct Case {
        double amount;
        const char *text;
    };
    const Case cases[] = {
        {0, "0"}, {500, "500"}, {507.5, "507.5"}, {4.5, "4.5"}, {12.5, "12.5"},
        {1234567890, "1234567890"}, {9007199254740.5, "9007199254740.5"}, {-0.0, "0"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(formatAmount(c.amount), c.text);
        EXPECT_EQ(parseAmount(c.text), c.amount == 0 ? 0.0 : c.amount);
    }
    EXPECT_FALSE(parseAmount("12,5").has_value());
    EXPECT_FALSE(parseAmount("").has_value());
    EXPECT_FALSE(parseAmount("£5").has_value());
}

} // namespace
} // namespace quellard
