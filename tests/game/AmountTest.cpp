#include "game/Amount.h"

#include <gtest/gtest.h>

// Amounts read as plain decimals at every size the game reaches: no exponent, no "-0", no locale.
TEST(Amount, WritesPlainDecimalTextAndReadsItBack)
{
    const std::pair<double, const char *> cases[] = {{0.0, "0"},
                                                     {-0.0, "0"},
                                                     {12.5, "12.5"},
                                                     {99999.5, "99999.5"},
                                                     {100000, "100000"},
                                                     {1000000, "1000000"},
                                                     {1e21, "1000000000000000000000"}};
    for (const auto &[amount, text] : cases) {
        EXPECT_EQ(quellard::formatAmount(amount), text);
        EXPECT_EQ(quellard::parseAmount(text), amount) << text;
    }
    EXPECT_FALSE(quellard::parseAmount("12,5"));
}
