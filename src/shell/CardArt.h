// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPointF>

// What the parts of a card face share: the grid they are drawn on, the suits and the inks.
namespace quellard::cardart {

// The whole face is laid out on a 73 x 98 grid, the card's size at scale 1. The painter maps that
// grid onto the requested physical pixels, so a face for a high-density screen is drawn at its full
// resolution instead of being enlarged from a small bitmap.
inline constexpr qreal kGridWidth = 73.0;
inline constexpr qreal kGridHeight = 98.0;
inline constexpr QPointF kGridCentre{kGridWidth / 2, kGridHeight / 2};

enum Suit { Clubs = 0, Diamonds = 1, Hearts = 2, Spades = 3 };
enum CourtRank { Jack = 11, Queen = 12, King = 13 };

inline const QColor kRedInk{0xc8, 0x10, 0x2e};
inline const QColor kRedOutline{0x8a, 0x0a, 0x1e};
inline const QColor kBlackInk{0x14, 0x14, 0x14};
inline const QColor kCardBorder{0x55, 0x55, 0x55};
inline const QColor kGold{0xe0, 0xa8, 0x20};
inline const QColor kBlue{0x1f, 0x4e, 0x9c};
inline const QColor kParchment{0xfc, 0xf6, 0xe4};

inline bool isRedSuit(int suit) { return suit == Hearts || suit == Diamonds; }
} // namespace quellard::cardart
