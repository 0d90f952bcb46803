// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/cards/SuitsAndPips.h"

#include "shell/cards/CardArt.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <vector>

namespace quellard::cardart {

// ---- Suit symbols -------------------------------------------------------------------------------
// Each symbol is an outline of our own in a 100 x 100 box centred on the origin, point or stem
// downwards. Drawing them as paths rather than font glyphs keeps them identical whatever fonts the
// player has, and sharp at any size.

namespace {

QPainterPath heartShape()
{
    QPainterPath p;
    p.moveTo(0, 48);
    p.cubicTo(-14, 30, -50, 10, -50, -18);
    p.cubicTo(-50, -38, -37, -48, -25, -48);
    p.cubicTo(-12, -48, -3, -40, 0, -28);
    p.cubicTo(3, -40, 12, -48, 25, -48);
    p.cubicTo(37, -48, 50, -38, 50, -18);
    p.cubicTo(50, 10, 14, 30, 0, 48);
    p.closeSubpath();
    return p;
}

QPainterPath diamondShape()
{
    // Slightly hollow sides, as on printed cards, so it does not look like a plain square on edge.
    QPainterPath p;
    p.moveTo(0, -50);
    p.quadTo(15, -19, 40, 0);
    p.quadTo(15, 19, 0, 50);
    p.quadTo(-15, 19, -40, 0);
    p.quadTo(-15, -19, 0, -50);
    p.closeSubpath();
    return p;
}

QPainterPath spadeShape()
{
    QPainterPath p;
    p.moveTo(0, -50);
    p.cubicTo(10, -30, 50, -14, 50, 10);
    p.cubicTo(50, 28, 37, 36, 26, 36);
    p.cubicTo(15, 36, 7, 31, 3, 22);
    p.cubicTo(5, 36, 12, 45, 22, 50);
    p.lineTo(-22, 50);
    p.cubicTo(-12, 45, -5, 36, -3, 22);
    p.cubicTo(-7, 31, -15, 36, -26, 36);
    p.cubicTo(-37, 36, -50, 28, -50, 10);
    p.cubicTo(-50, -14, -10, -30, 0, -50);
    p.closeSubpath();
    return p;
}

QPainterPath clubShape()
{
    // Three leaves and a flared stem, merged into one outline so that antialiased edges never
    // show a seam where the parts overlap. Merging may flatten curves into segments, which is why
    // it happens here in the large 100-unit box.
    QPainterPath top;
    top.addEllipse(QPointF(0, -26), 23, 23);
    QPainterPath left;
    left.addEllipse(QPointF(-26, 11), 23, 23);
    QPainterPath right;
    right.addEllipse(QPointF(26, 11), 23, 23);
    QPainterPath middle;
    middle.addEllipse(QPointF(0, 2), 13, 13);
    QPainterPath stem;
    stem.moveTo(-4, 6);
    stem.cubicTo(-4, 28, -12, 44, -22, 50);
    stem.lineTo(22, 50);
    stem.cubicTo(12, 44, 4, 28, 4, 6);
    stem.closeSubpath();
    return top.united(left).united(right).united(middle).united(stem).simplified();
}

const QPainterPath &suitShape(Suit suit)
{
    static const std::array<QPainterPath, 4> shapes{clubShape(), diamondShape(), heartShape(), spadeShape()};
    return shapes[static_cast<std::size_t>(suit)];
}

} // namespace

void drawSuitSymbol(QPainter &painter, Suit suit, QPointF centre, QSizeF size, bool upsideDown, const QColor &ink)
{
    painter.save();
    painter.translate(centre);
    if (upsideDown)
        painter.rotate(180);
    painter.scale(size.width() / 100.0, size.height() / 100.0);
    painter.fillPath(suitShape(suit), ink);
    painter.restore();
}

// ---- Lettering ----------------------------------------------------------------------------------

// The outline of a bold serif text, scaled so that its ink is exactly `inkHeight` tall and at most
// `maxWidth` wide (a "10" is narrowed rather than shrunk), centred on the origin. Sizing by the ink
// rather than by font metrics keeps the layout the same if a fallback font stands in.
QPainterPath lettering(const QString &text, qreal inkHeight, qreal maxWidth)
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setPixelSize(100);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    if (ink.isEmpty())
        return {};
    const qreal sy = inkHeight / ink.height();
    const qreal sx = std::min(sy, maxWidth / ink.width());
    QTransform fit;
    fit.scale(sx, sy);
    fit.translate(-ink.center().x(), -ink.center().y());
    return fit.map(path);
}

QString rankLabel(int rank) { return QString::fromLatin1(kRankSymbols[std::size_t(rank - 1)]); }

// ---- Corner indices -----------------------------------------------------------------------------

namespace {

// The rank over a small suit sign, tucked into the corner. It lies within the leftmost 15 units so
// that it stays readable where the next card of a hand overlaps this one.
void drawIndex(QPainter &painter, int rank, Suit suit, const QColor &ink)
{
    painter.fillPath(lettering(rankLabel(rank), 10.0, 11.0).translated(8.0, 10.0), ink);
    drawSuitSymbol(painter, suit, {8.0, 22.0}, {8.0, 8.5}, false, ink);
}

} // namespace

void drawCornerIndices(QPainter &painter, int rank, Suit suit, const QColor &ink)
{
    drawIndex(painter, rank, suit, ink);
    // The opposite corner is the same index turned half round, readable from the other side.
    painter.save();
    painter.translate(kGridWidth, kGridHeight);
    painter.rotate(180);
    drawIndex(painter, rank, suit, ink);
    painter.restore();
}

// ---- Pip cards ----------------------------------------------------------------------------------

namespace {

// Pip columns and rows on the grid: the two outer columns clear the corner indices, the top and
// bottom rows sit level with them.
constexpr qreal kLeft = 22.0;
constexpr qreal kMiddle = kGridWidth / 2;
constexpr qreal kRight = 51.0;
constexpr qreal kTop = 17.0;
constexpr qreal kBottom = 81.0;
constexpr qreal kCentreRow = kGridHeight / 2;
// The inner rows of the four-high columns of the nine and ten.
constexpr qreal kRowStep = (kBottom - kTop) / 3;
constexpr qreal kRow2 = kTop + kRowStep;
constexpr qreal kRow3 = kTop + 2 * kRowStep;

std::vector<QPointF> pipLayout(int rank)
{
    const std::vector<QPointF> sixPips{{kLeft, kTop},        {kRight, kTop},   {kLeft, kCentreRow},
                                       {kRight, kCentreRow}, {kLeft, kBottom}, {kRight, kBottom}};
    const std::vector<QPointF> eightOuter{{kLeft, kTop},  {kRight, kTop},  {kLeft, kRow2},   {kRight, kRow2},
                                          {kLeft, kRow3}, {kRight, kRow3}, {kLeft, kBottom}, {kRight, kBottom}};
    const std::vector<QPointF> fourCorners{{kLeft, kTop}, {kRight, kTop}, {kLeft, kBottom}, {kRight, kBottom}};
    auto with = [](std::vector<QPointF> pips, std::initializer_list<QPointF> more) {
        pips.insert(pips.end(), more);
        return pips;
    };
    switch (rank) {
    case 2: return {{kMiddle, kTop}, {kMiddle, kBottom}};
    case 3: return {{kMiddle, kTop}, {kMiddle, kCentreRow}, {kMiddle, kBottom}};
    case 4: return fourCorners;
    case 5: return with(fourCorners, {{kMiddle, kCentreRow}});
    case 6: return sixPips;
    case 7: return with(sixPips, {{kMiddle, (kTop + kCentreRow) / 2}});
    case 8: return with(sixPips, {{kMiddle, (kTop + kCentreRow) / 2}, {kMiddle, (kCentreRow + kBottom) / 2}});
    case 9: return with(eightOuter, {{kMiddle, kCentreRow}});
    case 10: return with(eightOuter, {{kMiddle, (kTop + kRow2) / 2}, {kMiddle, (kRow3 + kBottom) / 2}});
    default: return {};
    }
}

} // namespace

void drawPips(QPainter &painter, int rank, Suit suit, const QColor &ink)
{
    for (const QPointF &pip : pipLayout(rank)) {
        // Pips below the middle row face the other way, so the card reads the same either way up.
        drawSuitSymbol(painter, suit, pip, {11.5, 12.5}, pip.y() > kCentreRow + 0.5, ink);
    }
}

void drawAce(QPainter &painter, Suit suit, const QColor &ink)
{
    drawSuitSymbol(painter, suit, kGridCentre, {32.0, 34.0}, false, ink);
}

} // namespace quellard::cardart
