#include "shell/CardFaceRenderer.h"

#include "engine/CardRules.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QTransform>

#include <algorithm>
#include <array>
#include <compare>
#include <initializer_list>
#include <map>
#include <vector>

namespace quellard {
namespace {

// The whole face is laid out on a 73 x 98 grid, the card's size at scale 1. The painter maps that
// grid onto the requested physical pixels, so a face for a high-density screen is drawn at its full
// resolution instead of being enlarged from a small bitmap.
constexpr qreal kGridWidth = 73.0;
constexpr qreal kGridHeight = 98.0;
constexpr QPointF kGridCentre{kGridWidth / 2, kGridHeight / 2};

enum Suit { Clubs = 0, Diamonds = 1, Hearts = 2, Spades = 3 };
enum CourtRank { Jack = 11, Queen = 12, King = 13 };

const QColor kRedInk{0xc8, 0x10, 0x2e};
const QColor kRedOutline{0x8a, 0x0a, 0x1e};
const QColor kBlackInk{0x14, 0x14, 0x14};
const QColor kCardBorder{0x55, 0x55, 0x55};
const QColor kGold{0xe0, 0xa8, 0x20};
const QColor kBlue{0x1f, 0x4e, 0x9c};
const QColor kParchment{0xfc, 0xf6, 0xe4};

bool isRedSuit(int suit) { return suit == Hearts || suit == Diamonds; }

// ---- Suit symbols -------------------------------------------------------------------------------
// Each symbol is an outline of our own in a 100 x 100 box centred on the origin, point or stem
// downwards. Drawing them as paths rather than font glyphs keeps them identical whatever fonts the
// player has, and sharp at any size.

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

const QPainterPath &suitShape(int suit)
{
    static const std::array<QPainterPath, 4> shapes{clubShape(), diamondShape(), heartShape(), spadeShape()};
    return shapes[static_cast<std::size_t>(suit)];
}

void drawSuitSymbol(QPainter &painter, int suit, QPointF centre, QSizeF size, bool upsideDown, const QColor &ink)
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

QString rankLabel(int rank)
{
    switch (rank) {
    case 1: return QStringLiteral("A");
    case Jack: return QStringLiteral("J");
    case Queen: return QStringLiteral("Q");
    case King: return QStringLiteral("K");
    default: return QString::number(rank);
    }
}

// ---- Corner indices -----------------------------------------------------------------------------

// The rank over a small suit sign, tucked into the corner. It lies within the leftmost 15 units so
// that it stays readable where the next card of a hand overlaps this one.
void drawIndex(QPainter &painter, int rank, int suit, const QColor &ink)
{
    painter.fillPath(lettering(rankLabel(rank), 10.0, 11.0).translated(8.0, 10.0), ink);
    drawSuitSymbol(painter, suit, {8.0, 22.0}, {8.0, 8.5}, false, ink);
}

void drawCornerIndices(QPainter &painter, int rank, int suit, const QColor &ink)
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

void drawPips(QPainter &painter, int rank, int suit, const QColor &ink)
{
    for (const QPointF &pip : pipLayout(rank)) {
        // Pips below the middle row face the other way, so the card reads the same either way up.
        drawSuitSymbol(painter, suit, pip, {11.5, 12.5}, pip.y() > kCentreRow + 0.5, ink);
    }
}

void drawAce(QPainter &painter, int suit, const QColor &ink)
{
    drawSuitSymbol(painter, suit, kGridCentre, {32.0, 34.0}, false, ink);
}

// ---- Court cards --------------------------------------------------------------------------------
// A framed panel, split across the middle and painted twice, the lower half turned round, as court
// cards are. Each half carries the court's headwear, its letter and two small suit signs. The
// headwear tells the three apart at a glance: a feathered cap for the jack, a low tiara with round
// jewels for the queen, a tall pointed crown with a cross for the king.

constexpr QRectF kCourtFrame{16.0, 8.0, 41.0, 82.0};

struct CourtInks
{
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

void drawCourtHalf(QPainter &painter, int rank, int suit, const CourtInks &inks)
{
    // Coordinates from the card's centre; this half spans the frame's upper part.
    painter.save();
    painter.translate(0, -26.5);
    painter.scale(0.31, 0.31);
    switch (rank) {
    case Jack: drawJacksCap(painter, inks); break;
    case Queen: drawQueensTiara(painter, inks); break;
    default: drawKingsCrown(painter, inks); break;
    }
    painter.restore();

    painter.fillPath(lettering(rankLabel(rank), 15.0, 15.0).translated(0, -10.5), inks.ink);
    drawSuitSymbol(painter, suit, {-13.0, -10.5}, {7.0, 7.5}, false, inks.ink);
    drawSuitSymbol(painter, suit, {13.0, -10.5}, {7.0, 7.5}, false, inks.ink);
}

void drawCourt(QPainter &painter, int rank, int suit, const QColor &ink)
{
    const CourtInks inks{ink, isRedSuit(suit) ? kRedOutline : kBlackInk};

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

// ---- The whole face -----------------------------------------------------------------------------

QPixmap renderFace(int cardNumber, QSize physicalSize, qreal devicePixelRatio)
{
    const int rank = cardRank(cardNumber);
    const int suit = cardSuit(cardNumber);
    const QColor &ink = isRedSuit(suit) ? kRedInk : kBlackInk;

    // Transparent outside the rounded corners, so the felt shows there.
    QImage image(physicalSize, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) // too large to allocate
        return {};
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        painter.scale(physicalSize.width() / kGridWidth, physicalSize.height() / kGridHeight);

        painter.setPen(QPen(kCardBorder, 1.0));
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(QRectF(0.5, 0.5, kGridWidth - 1, kGridHeight - 1), 4.5, 4.5);

        if (rank == 1)
            drawAce(painter, suit, ink);
        else if (rank >= Jack)
            drawCourt(painter, rank, suit, ink);
        else
            drawPips(painter, rank, suit, ink);
        drawCornerIndices(painter, rank, suit, ink);
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

struct FaceKey
{
    int cardNumber;
    int width;
    int height;
    qreal devicePixelRatio;
    auto operator<=>(const FaceKey &) const = default;
};

std::map<FaceKey, QPixmap> &faceCache()
{
    static std::map<FaceKey, QPixmap> cache;
    return cache;
}

// Pixmaps must not outlive the application object, which a function-local static would.
void clearFaceCache() { faceCache().clear(); }

} // namespace

QPixmap CardFaceRenderer::face(int cardNumber, QSize logicalSize, qreal devicePixelRatio)
{
    // Written so that a ratio that is not a number is refused too.
    if (cardNumber < 1 || cardNumber > kCardsInPack || !(devicePixelRatio > 0))
        return {};
    const QSize physicalSize = logicalSize * devicePixelRatio;
    if (logicalSize.isEmpty() || physicalSize.isEmpty())
        return {};

    auto &cache = faceCache();
    const FaceKey key{cardNumber, logicalSize.width(), logicalSize.height(), devicePixelRatio};
    if (auto found = cache.find(key); found != cache.end())
        return found->second;

    static const bool cleanupRegistered = [] {
        qAddPostRoutine(clearFaceCache);
        return true;
    }();
    Q_UNUSED(cleanupRegistered);

    QPixmap pixmap = renderFace(cardNumber, physicalSize, devicePixelRatio);
    cache.emplace(key, pixmap);
    return pixmap;
}

QString CardFaceRenderer::cardName(int cardNumber)
{
    if (cardNumber < 1 || cardNumber > kCardsInPack)
        return {};
    static const std::array<const char *, 13> ranks{"Ace",   "Two",  "Three", "Four", "Five",  "Six", "Seven",
                                                    "Eight", "Nine", "Ten",   "Jack", "Queen", "King"};
    static const std::array<const char *, 4> suits{"clubs", "diamonds", "hearts", "spades"};
    return QStringLiteral("%1 of %2")
        .arg(QLatin1String(ranks[static_cast<std::size_t>(cardRank(cardNumber) - 1)]),
             QLatin1String(suits[static_cast<std::size_t>(cardSuit(cardNumber))]));
}

} // namespace quellard
