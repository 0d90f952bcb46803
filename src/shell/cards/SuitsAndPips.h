// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/CardRules.h"

#include <QPainterPath>
#include <QPointF>
#include <QSizeF>
#include <QString>

class QColor;
class QPainter;

// The suit signs, the rank lettering, the corner indices and the faces of the aces and the number
// cards, all on the card grid of CardArt.h.
namespace quellard::cardart {

// A suit sign of the given size centred on `centre`, point or stem downwards unless turned round.
void drawSuitSymbol(QPainter &painter, Suit suit, QPointF centre, QSizeF size, bool upsideDown, const QColor &ink);

// The outline of a bold serif text, scaled so that its ink is exactly `inkHeight` tall and at most
// `maxWidth` wide, centred on the origin.
QPainterPath lettering(const QString &text, qreal inkHeight, qreal maxWidth);

// "A", "2" to "10", "J", "Q", "K".
QString rankLabel(int rank);

// The rank over a small suit sign in the top left corner, and turned half round in the bottom right.
void drawCornerIndices(QPainter &painter, int rank, Suit suit, const QColor &ink);

// The number cards' pips in their classic layouts, and the ace's one large sign.
void drawPips(QPainter &painter, int rank, Suit suit, const QColor &ink);
void drawAce(QPainter &painter, Suit suit, const QColor &ink);

} // namespace quellard::cardart
