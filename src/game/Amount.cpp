// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Amount.h"

#include <charconv>
#include <system_error>

namespace quellard {

std::string formatAmount(double amount)
{
    if (amount == 0.0)
        amount = 0.0; // never show "-0"
    // The shortest text that reads back as the same number, in fixed notation: 100000 rather than
    // the shorter 1e+05. 350 characters hold any double written that way.
    char buffer[350];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, amount, std::chars_format::fixed);
    if (error != std::errc{})
        return "0";
    return std::string(buffer, end);
}

std::optional<double> parseAmount(std::string_view text)
{
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace quellard
