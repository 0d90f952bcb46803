// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/Money.h"

#include <array>
#include <string_view>

namespace quellard {

// A rectangle on the table in twips (1/1440 inch, fifteen to a pixel at 96 dpi), the unit the
// table was drawn in.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// One chip below the felt: the stake it places and how the player meets it. The window shows the
// amount as "£5" on the chip, says "Bet £5" to a screen reader and "Bet £5 (pounds)" as the tooltip.
struct Chip {
    Money amount;
    char key;                     // the key that places it, as a click does
    std::string_view targetName;  // the click target's object name
    std::string_view captionName; // the object name of the caption drawn under it
    TwipsRect target;             // the click target
    TwipsRect caption;            // the caption "£5"
};

// The chips from left to right, in their Tab order. The window lays out, binds and opens every row:
// a new chip is a row here, and room for it below the felt.
inline constexpr auto kChips = std::to_array<Chip>({
    {Money::pounds(5), '1', "lblBet5", "Label3", {120, 5400, 735, 675}, {120, 5400, 735, 735}},
    {Money::pounds(10), '2', "lblBet10", "Label5", {960, 5400, 975, 600}, {960, 5400, 975, 735}},
    {Money::pounds(50), '3', "lblBet50", "Label1", {2040, 5400, 975, 615}, {2040, 5400, 975, 735}},
});

} // namespace quellard
