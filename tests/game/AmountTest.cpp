#include "game/Amount.h"

#include <gtest/gtest.h>

namespace quellard {
namespace {

// Amounts read as plain decimals at every size the game can reach: no exponent, no "-0", no
// locale's separators.
TEST(Amount, WritesPlainDecimalTextAndReadsItBack)
{
    const std::pair<double, const char *> cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {12.5, "12.5"},
        {507.5, "507.5"},
        {99999.5, "99999.5"},
        {100000, "100000"},
        {200000, "200000"},
        {1000000, "1000000"},
        {9007199254740.5, "9007199254740.5"},
        {1e21, "1000000000000000000000"},
    };
    for (const auto &[amount, text] : cases) {
        EXPECT_EQ(formatAmount(amount), text);
        EXPECT_EQ(parseAmount(text), amount) << text;
    }
    EXPECT_FALSE(parseAmount("12,5").has_value());
}

} // namespace
} // namespace quellard
