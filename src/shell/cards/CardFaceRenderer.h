// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace quellard {

// Draws the faces of the 52 cards: our own artwork, painted as vector shapes so that a face is
// sharp at any display scale. Faces are cached; use from the user-interface thread only.
class CardFaceRenderer {
public:
    // The face of card number 1..52 at a logical size, drawn for the given device pixel ratio:
    // the pixmap has logicalSize * devicePixelRatio physical pixels and carries that ratio.
    // A card number outside 1..52, an empty size or a ratio that is not positive gives a null
    // pixmap. The same request returns the same cached pixmap.
    static QPixmap face(int cardNumber, QSize logicalSize, qreal devicePixelRatio = 1.0);

    // "Ace of spades", "Seven of hearts", "Queen of diamonds"; empty outside 1..52.
    static QString cardName(int cardNumber);
};

} // namespace quellard
