// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/cards/CourtCards.h"

#include "shell/cards/CardArt.h"
#include "shell/cards/SuitsAndPips.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <array>

namespace quellard::cardart {

// ---- Court cards --------------------------------------------------------------------------------
// A framed panel, split across the middle and painted twice, the lower half turned round, as court
// cards are. Each half carries the court's headwear, its letter and two small suit signs. The
// headwear tells the three apart at a glance: a feathered cap for the jack, a low tiara with round
// jewels for the queen, a tall pointed crown with a cross for the king.

namespace {

constexpr QRectF kCourtFrame{16.0, 8.0, 41.0, 82.0};

struct CourtInks {
    QColor ink;     // the suit's colour: letter, suit signs, feather
    QColor outline; // a darker line around the headwear
};

QPen outlinePen(const CourtInks &inks) { return QPen(inks.outline, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void fillOutlined(QPainter &painter, const QPainterPath &path, const QColor &fill, const CourtInks &inks)
{
    painter.setPen(outlinePen(inks));
    painter.setBrush(fill);
    painter.drawPath(path);
}

void drawJewel(QPainter &painter, QPointF centre, qreal radius, const QColor &colour, const CourtInks &inks)
{
    QPainterPath jewel;
    jewel.addEllipse(centre, radius, radius);
    fillOutlined(painter, jewel, colour, inks);
    // A small highlight makes the dot read as a stone rather than a hole.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre + QPointF(-radius * 0.35, -radius * 0.35), radius * 0.3, radius * 0.3);
}

// Headwear is drawn in a 100 x 60 box centred on the origin.
void drawKingsCrown(QPainter &painter, const CourtInks &inks)
{
    // Five tall points on a band; balls on the outer points and a cross on the middle one.
    QPainterPath crown;
    crown.moveTo(-40, 14);
    crown.lineTo(-46, -12);
    crown.lineTo(-33, 0);
    crown.lineTo(-23, -17);
    crown.lineTo(-11, 0);
    crown.lineTo(0, -15);
    crown.lineTo(11, 0);
    crown.lineTo(23, -17);
    crown.lineTo(33, 0);
    crown.lineTo(46, -12);
    crown.lineTo(40, 14);
    crown.closeSubpath();
    fillOutlined(painter, crown, kGold, inks);

    for (const QPointF tip : {QPointF(-46, -12), QPointF(-23, -17), QPointF(23, -17), QPointF(46, -12)}) {
        QPainterPath ball;
        ball.addEllipse(tip, 4.0, 4.0);
        fillOutlined(painter, ball, kGold, inks);
    }

    QPainterPath cross;
    cross.addRect(QRectF(-2.5, -31, 5, 17));
    cross.addRect(QRectF(-8, -26.5, 16, 5));
    cross.setFillRule(Qt::WindingFill);
    fillOutlined(painter, cross.simplified(), kGold, inks);

    QPainterPath band;
    band.addRoundedRect(QRectF(-42, 12, 84, 16), 3, 3);
    fillOutlined(painter, band, kGold, inks);
    drawJewel(painter, {-24, 20}, 4.5, kBlue, inks);
    drawJewel(painter, {0, 20}, 5.0, inks.ink, inks);
    drawJewel(painter, {24, 20}, 4.5, kBlue, inks);
}

void drawQueensTiara(QPainter &painter, const CourtInks &inks)
{
    // A low arch of gold with five round settings along it, the middle one the largest.
    const QPointF from(-42, 22), control(0, -16), to(42, 22);
    auto along = [&](qreal t) { return from * ((1 - t) * (1 - t)) + control * (2 * (1 - t) * t) + to * (t * t); };

    const std::array<qreal, 5> settings{0.1, 0.3, 0.5, 0.7, 0.9};
    for (qreal t : settings) {
        const bool middle = t == 0.5;
        const QPointF base = along(t);
        const qreal r = middle ? 11.0 : 8.0;
        QPainterPath mount;
        mount.addEllipse(base - QPointF(0, r), r, r);
        fillOutlined(painter, mount, kGold, inks);
        drawJewel(painter, base - QPointF(0, r), middle ? 6.0 : 4.5, middle ? inks.ink : kBlue, inks);
    }

    QPainterPath arch;
    arch.moveTo(from);
    arch.quadTo(control, to);
    QPainterPathStroker stroker;
    stroker.setWidth(10);
    stroker.setCapStyle(Qt::RoundCap);
    fillOutlined(painter, stroker.createStroke(arch), kGold, inks);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (qreal t : {0.2, 0.4, 0.6, 0.8})
        painter.drawEllipse(along(t), 2.2, 2.2); // pearls set in the band
}

void drawJacksCap(QPainter &painter, const CourtInks &inks)
{
    // A soft round cap with a gold band and a long feather standing up from it, leaning back.
    const QPointF quillFoot(24, 14), quillTip(-6, -38), quillBend(14, -16);
    QPainterPath feather;
    feather.moveTo(quillFoot);
    feather.cubicTo(4, 2, -8, -20, quillTip.x(), quillTip.y());
    feather.cubicTo(14, -28, 32, -8, quillFoot.x(), quillFoot.y());
    feather.closeSubpath();

    QPainterPath cap;
    cap.moveTo(-38, 18);
    cap.cubicTo(-42, -10, 24, -16, 34, 18);
    cap.closeSubpath();
    fillOutlined(painter, cap, kBlue, inks);

    fillOutlined(painter, feather, inks.ink, inks);
    // The quill and pale barbs slanting off it make the shape read as a feather.
    painter.setPen(QPen(QColor(255, 255, 255, 200), 1.8, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath quill;
    quill.moveTo(quillFoot);
    quill.quadTo(quillBend, quillTip);
    painter.drawPath(quill);
    for (qreal t : {0.3, 0.5, 0.7}) {
        const QPointF onQuill = quillFoot * ((1 - t) * (1 - t)) + quillBend * (2 * (1 - t) * t) + quillTip * (t * t);
        painter.drawLine(onQuill, onQuill + QPointF(-8, -2));
        painter.drawLine(onQuill, onQuill + QPointF(6, -6));
    }

    QPainterPath band;
    band.addRoundedRect(QRectF(-40, 14, 80, 12), 5, 5);
    fillOutlined(painter, band, kGold, inks);
    drawJewel(painter, {22, 20}, 5.0, inks.ink, inks); // the brooch holding the feather
}

void drawCourtHalf(QPainter &painter, int rank, Suit suit, const CourtInks &inks)
{
    // Coordinates from the card's centre; this half spans the frame's upper part.
    painter.save();
    painter.translate(0, -26.5);
    painter.scale(0.31, 0.31);
    switch (rank) {
    case kJack: drawJacksCap(painter, inks); break;
    case kQueen: drawQueensTiara(painter, inks); break;
    default: drawKingsCrown(painter, inks); break;
    }
    painter.restore();

    painter.fillPath(lettering(rankLabel(rank), 15.0, 15.0).translated(0, -10.5), inks.ink);
    drawSuitSymbol(painter, suit, {-13.0, -10.5}, {7.0, 7.5}, false, inks.ink);
    drawSuitSymbol(painter, suit, {13.0, -10.5}, {7.0, 7.5}, false, inks.ink);
}

} // namespace

void drawCourt(QPainter &painter, int rank, Suit suit, const QColor &ink)
{
    const CourtInks inks{ink, isRed(suit) ? kRedOutline : kBlackInk};

    painter.setPen(QPen(kBlue, 1.2));
    painter.setBrush(kParchment);
    painter.drawRect(kCourtFrame);
    painter.setPen(QPen(kGold, 0.8));
    painter.setBrush(Qt::NoBrush);
    const QRectF inner = kCourtFrame.adjusted(2.2, 2.2, -2.2, -2.2);
    painter.drawRect(inner);
    painter.drawLine(QPointF(inner.left(), kGridCentre.y()), QPointF(inner.right(), kGridCentre.y()));

    painter.save();
    painter.translate(kGridCentre);
    drawCourtHalf(painter, rank, suit, inks);
    painter.rotate(180);
    drawCourtHalf(painter, rank, suit, inks);
    painter.restore();
}

} // namespace quellard::cardart
