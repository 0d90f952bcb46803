// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

namespace quellard {

// An amount of pounds, held exactly in whole pence: cash, a bet, a payout. Every stake the game
// takes is whole pounds and every payout a simple fraction of a stake, so no rounding ever shows
// on the table ("507.5", never "507.49999").
class Money {
public:
    constexpr Money() = default;
    static constexpr Money pounds(std::int64_t pounds) { return Money(pounds * 100); }
    static constexpr Money pence(std::int64_t pence) { return Money(pence); }

    constexpr std::int64_t inPence() const { return m_pence; }

    // numerator / denominator of this amount: a payout of 3 to 2, half the bet. A fraction of a
    // penny, which the game's own stakes never give, goes to the house.
    constexpr Money times(std::int64_t numerator, std::int64_t denominator = 1) const
    {
        return Money(m_pence * numerator / denominator);
    }

    constexpr Money &operator+=(Money other) { return m_pence += other.m_pence, *this; }
    constexpr Money &operator-=(Money other) { return m_pence -= other.m_pence, *this; }
    friend constexpr Money operator+(Money a, Money b) { return a += b; }
    friend constexpr Money operator-(Money a, Money b) { return a -= b; }
    // Spelt out rather than defaulted with <=>: Qt's moc, which reads the headers the window
    // includes, cannot parse the standard <compare> header.
    friend constexpr bool operator==(Money a, Money b) { return a.m_pence == b.m_pence; }
    friend constexpr bool operator!=(Money a, Money b) { return a.m_pence != b.m_pence; }
    friend constexpr bool operator<(Money a, Money b) { return a.m_pence < b.m_pence; }
    friend constexpr bool operator<=(Money a, Money b) { return a.m_pence <= b.m_pence; }
    friend constexpr bool operator>(Money a, Money b) { return a.m_pence > b.m_pence; }
    friend constexpr bool operator>=(Money a, Money b) { return a.m_pence >= b.m_pence; }

    // The amount as the table shows it: pounds without a currency sign, in the shortest plain
    // decimal that says it exactly: "500", "507.5", "0.05", "-2.5", "1000000".
    std::string text() const;

private:
    constexpr explicit Money(std::int64_t pence) : m_pence(pence) {}
    std::int64_t m_pence = 0;
};

} // namespace quellard
