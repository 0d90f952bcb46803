// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/CardRules.h"
#include "game/Money.h"

#include <array>
#include <cstddef>
#include <optional>

namespace quellard {

// What a card slot shows while it is visible.
enum class SlotFace {
    Empty,    // nothing yet
    CardBack, // the current card-back picture (a face-down card)
    CardFace, // the face of cardNumber
};

struct CardSlot {
    bool visible = false;
    SlotFace face = SlotFace::Empty;
    int cardNumber = 0; // 1..52 while face is CardFace

    bool faceDown() const { return visible && face == SlotFace::CardBack; }
    bool operator==(const CardSlot &) const = default;
};

// One side of the table: the seven slots (PicPlay1..7 or PicCom1..7), the value of the card of
// this game in each (PlayCard1..7 or ComCard1..7, 0 where the slot holds none) and the total shown
// beside the cards (lblPlay or lblCom).
struct Hand {
    std::array<CardSlot, kSlotsPerHand> cardSlots{};
    HandValues values{};
    int total = 0;

    // Where a further card goes: the lowest hidden slot from `first` on, or none when every one of
    // them is in use. Visibility is what marks a slot as taken in this game.
    std::optional<std::size_t> lowestHiddenSlot(std::size_t first) const;
};

// What the player may do now: deal, hit, stand, double down, place chips (all chips alike). This
// is the game's only record of its phase: each operation leaves exactly the next legal moves open.
struct OpenActions {
    bool deal = true;
    bool hit = false;
    bool stand = false;
    bool doubleDown = false;
    bool chips = true;

    bool operator==(const OpenActions &) const = default;
};

// The whole table: everything a player can see, and the few facts the rules keep between steps.
struct Table {
    Money cash = Money::pounds(500);
    Money bet;
    Hand player;
    Hand dealer;
    OpenActions open;
    bool insured = false; // the player bought insurance in this game
    int cardDelay = 1;    // seconds before each dealer card

    // The table as a player first sees it: one face-down dealer card, two face-down player cards,
    // 500 in cash, nothing bet, and only the chips and New open.
    static Table fresh();

    // Nothing in cash and nothing on the table: the only way on is a fresh start.
    bool broke() const { return cash == Money() && bet == Money(); }
};

} // namespace quellard
