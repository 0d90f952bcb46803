// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quellard {

// Cash, bet and totals are shown as their shortest plain decimal text: "500", "507.5", "0",
// "1000000", never an exponent.
// The game's arithmetic only ever produces multiples of half a pound, which doubles hold exactly.
// The text never depends on the user's locale.
std::string formatAmount(double amount);

// Reads back what formatAmount wrote (and any plain decimal number); nothing for other text.
std::optional<double> parseAmount(std::string_view text);

} // namespace quellard
