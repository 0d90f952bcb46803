// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/CardRules.h"

#include <QColor>
#include <QPointF>
#include <QSize>

// What the parts of a card face share: the grid they are drawn on, the suits and the inks.
namespace quellard::cardart {

// A card's picture at scale 1, a face as much as a back: 73 x 98. A slot on the table is a row
// shorter (73 x 97) and shows all but the picture's last row, as the backs' own pictures have it.
inline constexpr QSize kCardSize{73, 98};

// The whole face is laid out on a grid of the card's size. The painter maps that grid onto the
// requested physical pixels, so a face for a high-density screen is drawn at its full resolution
// instead of being enlarged from a small bitmap.
inline constexpr qreal kGridWidth = kCardSize.width();
inline constexpr qreal kGridHeight = kCardSize.height();
inline constexpr QPointF kGridCentre{kGridWidth / 2, kGridHeight / 2};

inline const QColor kRedInk{0xc8, 0x10, 0x2e};
inline const QColor kRedOutline{0x8a, 0x0a, 0x1e};
inline const QColor kBlackInk{0x14, 0x14, 0x14};
inline const QColor kCardBorder{0x55, 0x55, 0x55};
inline const QColor kGold{0xe0, 0xa8, 0x20};
inline const QColor kBlue{0x1f, 0x4e, 0x9c};
inline const QColor kParchment{0xfc, 0xf6, 0xe4};

} // namespace quellard::cardart
